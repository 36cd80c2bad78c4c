#!/usr/bin/env python3
"""Reference figures for the exhaustive auto-hold test.

Every five-card hand of the 53-card deck, cards in ascending value order in slots 1..5
(the joker, 53, in slot 5), bonus rank 7: which cards the automatic hold keeps after a
deal, written from the rules text with the evaluator of hand_counts.py. Prints the
number of hands per count of held cards and the sum of the held slots as bit masks
(slot 1 = 1 ... slot 5 = 16), the literals of tests/core/AutoHoldCountTest.cpp:

    python3 tools/reference/hold_counts.py
"""

from collections import Counter
from itertools import combinations

from hand_counts import JOKER, natural, rank, suit, with_joker

JOKER_RANK = 99

# (gaps that must match, as (i, j, difference) on the sorted ranks R1..R5 = r[0..4];
#  the sorted positions whose ranks are held), in the order they are tried.
STRAIGHT_DRAWS = [
    ([(0, 1, 1), (1, 2, 1), (2, 3, 1)], (0, 1, 2, 3)),
    ([(1, 2, 1), (2, 3, 1), (3, 4, 1)], (1, 2, 3, 4)),
    ([(0, 2, 2), (2, 3, 1), (3, 4, 1)], (0, 2, 3, 4)),
    ([(0, 1, 1), (1, 3, 2), (3, 4, 1)], (0, 1, 3, 4)),
    ([(0, 1, 1), (1, 2, 1), (2, 4, 2)], (0, 1, 2, 4)),
    ([(1, 2, 2), (2, 3, 1), (3, 4, 1)], (1, 2, 3, 4)),
    ([(1, 2, 1), (2, 3, 2), (3, 4, 1)], (1, 2, 3, 4)),
    ([(1, 2, 1), (2, 3, 1), (3, 4, 2)], (1, 2, 3, 4)),
    ([(0, 1, 2), (1, 2, 1), (2, 3, 1)], (0, 1, 2, 3)),
    ([(0, 1, 1), (1, 2, 2), (2, 3, 1)], (0, 1, 2, 3)),
    ([(0, 1, 1), (1, 2, 1), (2, 3, 2)], (0, 1, 2, 3)),
]


def draw_strategy(ranks, suits, held):
    s = sorted(suits)
    if s[0] == s[1] == s[2] == s[3] or s[1] == s[2] == s[3] == s[4]:
        for i in range(5):
            held[i] = held[i] or suits[i] == s[1]
        return
    r = sorted(ranks)
    wanted = None
    for gaps, positions in STRAIGHT_DRAWS:
        if all(r[j] - r[i] == d for i, j, d in gaps):
            wanted = {r[p] for p in positions}
            break
    if wanted is None and r[0] == 1 and r[2] in (10, 11) and r[3] != 10:
        wanted = {r[0], r[2], r[3], r[4]}
    if wanted is not None:
        for i in range(5):
            if ranks[i] in wanted and ranks[i] not in ranks[:i]:
                held[i] = True
        return
    counts = Counter(ranks)
    pair = None
    if r[1] == r[0] or r[1] == r[2]:
        pair = r[1]
    elif r[3] == r[2] or r[3] == r[4]:
        pair = r[3]
    if pair is not None:
        for i in range(5):
            held[i] = held[i] or ranks[i] == pair
    assert pair is None or counts[pair] >= 2


def holds_after_deal(hand, bonus):
    ranks = [JOKER_RANK if v == JOKER else rank(v) for v in hand]
    suits = [0 if v == JOKER else suit(v) for v in hand]
    if hand[-1] == JOKER:
        line, _, _, win, second = with_joker(hand[:-1], bonus)
        suits[4] = suits[0]  # a joker in slot 5 takes the suit of slot 1
    else:
        line, _, _, win, second = natural(hand, bonus)
    held = [r == JOKER_RANK for r in ranks]
    if line in (1, 2, 3, 5, 6, 7):
        held = [True] * 5
    elif line in (4, 8, 10, 11):
        held = [h or r == win for h, r in zip(held, ranks)]
    elif line == 9:
        held = [h or r in (win, second) for h, r in zip(held, ranks)]
    else:
        draw_strategy(ranks, suits, held)
    return held


def main():
    by_count = Counter()
    mask_sum = 0
    for hand in combinations(range(1, 54), 5):
        held = holds_after_deal(hand, 7)
        by_count[sum(held)] += 1
        mask_sum += sum(1 << i for i, h in enumerate(held) if h)
    print("hands by number of held cards:", [by_count[n] for n in range(6)])
    print("sum of held-slot masks:", mask_sum)


if __name__ == "__main__":
    main()
