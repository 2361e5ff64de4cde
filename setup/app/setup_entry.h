// The entry of a setup program: the shell detected, the command tail read,
// the installation object made and run, the installation ended (folder
// made, log finalised or rolled back), and the exit code given back.
#pragma once

class SetupApplication;

// Makes the installation object of the program's product (null when memory
// runs out).
using MakeInstallation = SetupApplication* (*)();

// The program's exit code, a SetupResult.
int RunSetupProgram(MakeInstallation make);
