// Start-up time of a Windows program: from process start to its first visible top-level
// window with a caption, measured the same way for Telvana and for a minimal program that
// opens one empty window, side by side, with their ratio.
// Usage: startup_probe PROGRAM.exe BASELINE.exe [RUNS]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

struct Search {
  DWORD process;
  bool found;
};

BOOL CALLBACK FindShownWindow(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<Search*>(param);
  DWORD owner = 0;
  ::GetWindowThreadProcessId(window, &owner);
  RECT r;
  if (owner == search->process && ::IsWindowVisible(window) &&
      (::GetWindowLongW(window, GWL_STYLE) & WS_CAPTION) && ::GetWindowRect(window, &r) &&
      r.right - r.left > 100) {
    search->found = true;
    return FALSE;
  }
  return TRUE;
}

// Milliseconds until the program shows its window, or a negative number on failure.
double TimeToWindow(const std::wstring& program) {
  STARTUPINFOW startup{sizeof(startup)};
  PROCESS_INFORMATION info{};
  std::wstring commandLine = L"\"" + program + L"\"";
  LARGE_INTEGER frequency, start, now;
  ::QueryPerformanceFrequency(&frequency);
  ::QueryPerformanceCounter(&start);
  if (!::CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &info)) {
    return -1;
  }
  double elapsed = -1;
  for (;;) {
    Search search{info.dwProcessId, false};
    ::EnumWindows(FindShownWindow, reinterpret_cast<LPARAM>(&search));
    ::QueryPerformanceCounter(&now);
    const double ms = 1000.0 * static_cast<double>(now.QuadPart - start.QuadPart) /
                      static_cast<double>(frequency.QuadPart);
    if (search.found) {
      elapsed = ms;
      break;
    }
    if (ms > 30000 || ::WaitForSingleObject(info.hProcess, 1) == WAIT_OBJECT_0) break;
  }
  ::TerminateProcess(info.hProcess, 0);
  ::WaitForSingleObject(info.hProcess, 5000);
  ::CloseHandle(info.hThread);
  ::CloseHandle(info.hProcess);
  return elapsed;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 3) {
    std::fputs("usage: startup_probe PROGRAM.exe BASELINE.exe [RUNS]\n", stderr);
    return 2;
  }
  const int runs = argc > 3 ? std::max(1, _wtoi(argv[3])) : 5;
  std::vector<double> program, baseline;
  TimeToWindow(argv[1]);  // the first start warms the file cache and the wine server
  TimeToWindow(argv[2]);
  for (int i = 0; i < runs; ++i) {
    // Interleaved, so that both see the same state of the machine.
    const double p = TimeToWindow(argv[1]);
    const double b = TimeToWindow(argv[2]);
    if (p < 0 || b < 0) {
      std::fputs("startup_probe: a program did not show its window\n", stderr);
      return 1;
    }
    program.push_back(p);
    baseline.push_back(b);
  }
  const double p = Median(program), b = Median(baseline);
  std::printf("start-up to window shown (median of %d runs)\n", runs);
  std::printf("  Telvana.exe          %8.1f ms\n", p);
  std::printf("  minimal Win32 window %8.1f ms\n", b);
  std::printf("  ratio                %8.2f\n", p / b);
  return 0;
}
