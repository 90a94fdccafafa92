// The program's whole life: class records, the start-up routine run by the
// framework, the event loop, and the release of the shared values after it.
#pragma once

// Builds every class record once: the framework's, then the program's.
void InitializeClasses();

// Runs the start-up routine through the framework's initialisation, then the
// event loop. Whatever escapes either goes to the framework's
// unhandled-exception treatment, and the run ends as after a normal quit.
void Main();

// The start-up steps, in order; the last one runs the splash.
void Startup();
void InitFileTypes();
void MakeDefaultView();

// Releases the shared values of process life: the framework's, then the two
// document types, then the menu bar.
void FinalizeShared();
