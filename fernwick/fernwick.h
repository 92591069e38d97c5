#pragma once

// The maker's library. Splash shows the calling program's name and the
// maker's notice for a moment and returns; it takes nothing and returns nothing.
extern "C" void Splash(void);
