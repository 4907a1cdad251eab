#pragma once

// The driver's commands for start-up timing and the store checks, kept apart
// from the interactive ones in driver.cpp.
namespace kelvara::e2e {

// Runs argv[1] when it is one of these commands and answers its exit code;
// answers -1 for any other command.
int RunStoreCommand(int argc, wchar_t** argv);

}  // namespace kelvara::e2e
