#!/usr/bin/env python3
"""Reference counts for the exhaustive evaluator test.

Classifies every five-card hand of the 53-card deck (C(53,5) = 2,869,685 hands) with
the bonus rank 7 by an evaluator written from the rules text with a different shape
from the game's (rank histograms instead of sorted-rank patterns), and checks the
totals once more by counting combinations. The printed counts are the literals in
tests/core/EvaluatorCountTest.cpp. Takes about half a minute per bonus rank:

    python3 tools/reference/hand_counts.py [bonus rank ...]   (default: 7)
"""

import sys
from collections import Counter
from itertools import combinations
from math import comb

JOKER = 53
ACE_HIGH_RANKS = {10, 11, 12, 13}


def rank(v):
    return (v - 1) % 13 + 1


def suit(v):
    return (v - 1) // 13 + 1


def natural(cards, bonus):
    """Returns (line, meter step, jackpot, WinRank, SecondRank) for five cards without
    the joker; a rank the line does not name is None."""
    ranks = [rank(v) for v in cards]
    hist = Counter(ranks)
    shape = sorted(hist.values(), reverse=True)
    flush = len({suit(v) for v in cards}) == 1
    distinct = set(ranks)
    straight = len(distinct) == 5 and (
        max(ranks) - min(ranks) == 4 or distinct == {1} | ACE_HIGH_RANKS)
    if flush and straight:
        return (2 if distinct == {1} | ACE_HIGH_RANKS else 3), False, False, None, None
    if flush:
        return 6, False, False, None, None
    if straight:
        return 7, False, False, None, None
    by_count = {c: r for r, c in hist.items()}
    if shape[0] == 4:
        return 4, False, by_count[4] == bonus, by_count[4], None
    if shape == [3, 2]:
        return 5, by_count[3] == bonus, False, None, None
    if shape[0] == 3:
        return (11 if by_count[3] == bonus else 8), False, False, by_count[3], None
    if shape == [2, 2, 1]:
        low, high = sorted(r for r, c in hist.items() if c == 2)
        return 9, False, False, low, high
    if shape[0] == 2:
        if by_count[2] in (1, 11, 12, 13):
            return 10, False, False, by_count[2], None
    return 0, False, False, None, None


def with_joker(others, bonus):
    """The joker is not a wild card that makes the best hand: it follows fixed rules."""
    ranks = [rank(v) for v in others]
    hist = Counter(ranks)
    shape = sorted(hist.values(), reverse=True)
    # The joker takes the suit of a neighbour, so five equal suits need four equal ones.
    flush = len({suit(v) for v in others}) == 1
    distinct = set(ranks)
    fillable = len(distinct) == 4 and max(ranks) - min(ranks) <= 4
    ace_high = len(distinct) == 4 and 1 in distinct and distinct - {1} <= ACE_HIGH_RANKS
    if flush and (fillable or ace_high):
        royal = ace_high or distinct == ACE_HIGH_RANKS
        return (2 if royal else 3), False, False, None, None
    if flush:
        return 6, False, False, None, None
    if fillable or ace_high:
        return 7, False, False, None, None
    by_count = {c: r for r, c in hist.items()}
    if shape == [4]:
        return 1, False, by_count[4] == bonus, None, None
    if shape[0] == 3:
        return 4, by_count[3] == bonus, False, by_count[3], None
    if shape == [2, 2]:
        return 5, False, False, None, None
    if shape[0] == 2:
        return 8, False, False, by_count[2], None
    # The joker pairs with an ace first, otherwise with the highest face card.
    if 1 in distinct:
        return 10, False, False, 1, None
    if max(ranks) >= 11:
        return 10, False, False, max(ranks), None
    return 0, False, False, None, None


def enumerate_all(bonus):
    lines = Counter()
    win_rank_sums = Counter()  # per line, the sum of WinRank over its hands
    second_rank_sum = 0
    meter = jackpot = 0
    for hand in combinations(range(1, 54), 5):
        if hand[-1] == JOKER:
            line, step, jack, win, second = with_joker(hand[:-1], bonus)
        else:
            line, step, jack, win, second = natural(hand, bonus)
        lines[line] += 1
        meter += step
        jackpot += jack
        if win is not None:
            win_rank_sums[line] += win
        if second is not None:
            second_rank_sum += second
    return lines, meter, jackpot, win_rank_sums, second_rank_sum


def by_combinations():
    """The same totals for bonus rank 7, counted without dealing a single hand."""
    c = Counter()
    # Natural hands.
    straight_sets = 10  # A-5 .. 10-A
    c[2] += 4
    c[3] += (straight_sets - 1) * 4
    c[4] += 13 * 48
    c[5] += 13 * comb(4, 3) * 12 * comb(4, 2)
    c[6] += (comb(13, 5) - straight_sets) * 4
    c[7] += straight_sets * (4 ** 5 - 4)
    trips = 13 * comb(4, 3) * comb(12, 2) * 4 * 4
    c[11] += trips // 13
    c[8] += trips - trips // 13
    c[9] += comb(13, 2) * comb(4, 2) ** 2 * 11 * 4
    pairs = 13 * comb(4, 2) * comb(12, 3) * 4 ** 3
    c[10] += pairs * 4 // 13
    # Joker hands: four other cards.
    c[1] += 13
    c[4] += 13 * comb(4, 3) * 48
    c[5] += comb(13, 2) * comb(4, 2) ** 2
    c[8] += 13 * comb(4, 2) * comb(12, 2) * 4 * 4
    fill_sets = 10 + 9 * 3  # four in a row, or five in a row less one inner rank
    ace_sets = 4
    c[2] += (1 + ace_sets) * 4
    c[3] += (fill_sets - 1) * 4
    c[7] += (fill_sets + ace_sets) * (4 ** 4 - 4)
    other_sets = comb(13, 4) - fill_sets - ace_sets
    c[6] += other_sets * 4
    low_sets = comb(9, 4) - (6 + 5 * 3)  # from 2..10, less the fillable ones
    c[10] += (other_sets - low_sets) * (4 ** 4 - 4)
    c[0] = comb(53, 5) - sum(c.values())
    meter = 4 * 12 * comb(4, 2) + 4 * 48
    jackpot = 48 + 1
    return c, meter, jackpot


def main():
    bonus_ranks = [int(a) for a in sys.argv[1:]] or [7]
    # Every bonus rank has four cards in the deck, so the combinatorial totals hold for each.
    expected, exp_meter, exp_jackpot = by_combinations()
    for bonus in bonus_ranks:
        lines, meter, jackpot, win_sums, second_sum = enumerate_all(bonus)
        print(f"bonus rank {bonus}")
        for line in range(12):
            print(f"  line {line:2}: {lines[line]:8}")
        print(f"  total {sum(lines.values())}, MeterStepFlag {meter}, JackpotFlag {jackpot}")
        print("  WinRank sums by line:", ", ".join(f"{l}: {win_sums[l]}" for l in sorted(win_sums)))
        print(f"  SecondRank sum (TWO PAIRS): {second_sum}")
        assert sum(lines.values()) == comb(53, 5)
        assert lines == expected, (lines, expected)
        assert (meter, jackpot) == (exp_meter, exp_jackpot)
        print("  enumeration and combinatorics agree")


if __name__ == "__main__":
    main()
