#pragma once
// A wait cursor over the whole application while an operation that may take
// longer than a moment runs: a load, a sort, a search. The cursor comes back
// when the object goes out of scope, on every path out of the operation.
// Nested ones stack, as QApplication's override cursors do.

class WaitCursor
{
public:
    WaitCursor();
    ~WaitCursor();
    WaitCursor(const WaitCursor &) = delete;
    WaitCursor &operator=(const WaitCursor &) = delete;

    // The arrow again while a message box in the middle of the operation
    // waits for the user; the wait cursor comes back when it goes.
    class Paused
    {
    public:
        Paused();
        ~Paused();
        Paused(const Paused &) = delete;
        Paused &operator=(const Paused &) = delete;
    };
};
