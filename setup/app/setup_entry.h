// The entry of a setup program: the shell detected, the command tail read,
// the installation object made for the program's product definition and
// run, the installation ended (folder made, log finalised or rolled back),
// and the exit code given back.
#pragma once

class TableProduct;

// The program's exit code, a SetupResult.
int RunSetupProgram(TableProduct& product);
