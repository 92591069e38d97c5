#pragma once

#include "Unit2.h"
#include "Unit3.h"

/// Makes the wizard and the welcome window as the program does at start: Form3
/// turns Form1's notebook when the welcome page is switched off, so Form1 comes first.
inline void startRosterProgram()
{
    Form1 = new TForm1;
    Form3 = new TForm3;
}

/// Destroys both windows as the program does at its end (they save their settings then).
inline void endRosterProgram()
{
    delete Form3;
    delete Form1;
    Form3 = nullptr;
    Form1 = nullptr;
}
