// Starts the program named by its argument with Ctrl-C ignored, as a shell
// starts a background job, and ends with that program's exit status.
#include <windows.h>

#include <string>

int main(int argc, char** argv) {
  if (argc != 2) return 125;
  // The ignore flag is inherited by the processes started from here on.
  if (!SetConsoleCtrlHandler(nullptr, TRUE)) return 126;
  std::string command = std::string("\"") + argv[1] + "\"";
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION child{};
  if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr,
                      nullptr, &startup, &child)) {
    return 127;
  }
  WaitForSingleObject(child.hProcess, INFINITE);
  DWORD status = 127;
  GetExitCodeProcess(child.hProcess, &status);
  return static_cast<int>(status);
}
