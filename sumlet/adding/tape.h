// The adding machine's tape: the values entered, their count and running
// total. It lives in the program's shared state, so it outlives the form.
#pragma once

#include <string>
#include <vector>

namespace sumlet {

struct AddingTape {
    static constexpr int Capacity = 1000;

    // Tape(1) .. Tape(EntryCount) are the entered values; index 0 is unused.
    // Empty while the tape does not exist (before the first activation and
    // after the return to the menu).
    std::vector<double> Tape;
    int EntryCount = 0;      // values on the tape
    double EntryTotal = 0.0; // running total, never recomputed from Tape
    double EntryValue = 0.0; // value of the line confirmed last
    std::string EntryText;   // the parser's scratch text
    int SavedTopRow = 0;     // grid top row written to / read from a tape file
    int PrintLineNoMode = 0; // 0 prints line numbers, 1 does not

    bool exists() const { return !Tape.empty(); }
    // Creates the tape with indexes 0..maxRows, all 0.
    void create(int maxRows);
    void erase();
    // Tape(k), 0 outside the tape.
    double value(int k) const;
    bool full() const { return EntryCount >= Capacity; }

    // Appends a value and adds it to the total. The caller has checked
    // canRecord(); creates the tape when it does not exist yet.
    void record(double v);
    // False when the tape is full or the new total would not be finite.
    bool canRecord(double v) const;

    // Empties the tape (the slots keep their values to be overwritten);
    // returns the count and total it had.
    struct Totals {
        int count = 0;
        double total = 0.0;
    };
    Totals clear();

    // Back to the start state (the return to the menu): everything 0, the
    // tape erased.
    void reset();
};

// The top row that shows the last ten rows of a tape of `count` values.
inline int standardTopRow(int count) { return count > 9 ? count - 9 : 1; }

} // namespace sumlet
