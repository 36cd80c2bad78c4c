#!/usr/bin/env python3
"""Reference values for the deck's random source and for DrawDeck.

Written from the rules text alone, without looking at the C++ sources, so that the
values pasted into tests/core/DeckTest.cpp check the game's code against a second,
independent reading of the rules. Re-run it after any change to the rules:

    python3 tools/reference/deck_reference.py
"""

MASK32 = (1 << 32) - 1
MASK64 = (1 << 64) - 1
SEED_MULTIPLIER = 22695477
STEP_MULTIPLIER = 1486058704437
assert STEP_MULTIPLIER == 0x0000015A00004E35

JOKER = 53
SEVENS = {7, 20, 33, 46}


class Generator:
    def __init__(self, seconds):
        high = 0
        low = seconds & MASK32
        low = (low * SEED_MULTIPLIER + 1) & MASK32
        self.state = (high << 32) | low

    def next(self):
        self.state = (self.state * STEP_MULTIPLIER + 1) & MASK64
        return (self.state >> 32) & 0x7FFFFFFF


def draw_deck(gen, count, full_deck):
    slots = []
    while len(slots) < count:
        v = gen.next() % 53 + 1
        if not full_deck and (v in SEVENS or v == JOKER):
            continue
        if v in slots:
            continue
        slots.append(v)
    return slots


def main():
    for seed in (0, 1, 1700000000, 4294967295):
        gen = Generator(seed)
        print(f"seed {seed}: state after seeding {gen.state:#x}")
        print("  first outputs:", ", ".join(f"{gen.next()}U" for _ in range(6)))
    for seed in (1, 1700000000, 1234567):
        print(f"seed {seed}: DrawDeck(15, true) =", draw_deck(Generator(seed), 15, True))
        print(f"seed {seed}: DrawDeck(10, false) =", draw_deck(Generator(seed), 10, False))
    # The round draws the double-up cards from the same stream, after the deal.
    gen = Generator(1700000000)
    deal = draw_deck(gen, 15, True)
    print("seed 1700000000: deal then DrawDeck(10, false) =", deal, draw_deck(gen, 10, False))


if __name__ == "__main__":
    main()
