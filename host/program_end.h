#pragma once
// The end of the program, shared by EndProgram and the fatal report.

// Marks the program as ending: from now on ProgramEnding() is true and the
// form model drops every event.
void begin_program_end();

// Releases every library CallExternalLibrary loaded (defined with them).
void release_external_libraries();
