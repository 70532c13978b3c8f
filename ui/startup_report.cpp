#include "ui/startup_report.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>

#include "ui/startup_times.h"
#include "ui/win_handles.h"

namespace telvana {

namespace {

struct Pending {
  std::wstring destination;
  LARGE_INTEGER entered{};
  double from_creation_ms = -1;
};

// Kept from the program's entry to its first paint; empty destination: nothing asked.
Pending& PendingReport() {
  static Pending value;
  return value;
}

double MillisecondsSinceCreation() {
  FILETIME creation, exit, kernel, user, now;
  if (!::GetProcessTimes(::GetCurrentProcess(), &creation, &exit, &kernel, &user)) return -1;
  ::GetSystemTimePreciseAsFileTime(&now);
  const auto ticks = [](const FILETIME& t) {
    return static_cast<long long>(ULARGE_INTEGER{{t.dwLowDateTime, t.dwHighDateTime}}.QuadPart);
  };
  return static_cast<double>(ticks(now) - ticks(creation)) / 10000.0;  // 100 ns units
}

void Append(std::string& out, const char* format, auto... values) {
  char line[128];
  const int length = std::snprintf(line, sizeof line, format, values...);
  if (length > 0) out.append(line, std::min<std::size_t>(length, sizeof line - 1));
}

void Write(const std::wstring& destination, const std::string& text) {
  DWORD written = 0;
  if (destination == L"-") {
    ::WriteFile(::GetStdHandle(STD_OUTPUT_HANDLE), text.data(), static_cast<DWORD>(text.size()),
                &written, nullptr);
    return;
  }
  HANDLE opened = ::CreateFileW(destination.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
  if (opened == INVALID_HANDLE_VALUE) return;
  win::KernelObject file(opened);
  ::WriteFile(file.get(), text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
}

}  // namespace

void BeginStartupReport() {
  wchar_t destination[MAX_PATH];
  const DWORD length = ::GetEnvironmentVariableW(kStartupTimesVariable, destination, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return;
  Pending& p = PendingReport();
  ::QueryPerformanceCounter(&p.entered);
  p.from_creation_ms = MillisecondsSinceCreation();
  p.destination.assign(destination, length);
  StartStartupTimes();
}

void EndStartupReport() {
  Pending& p = PendingReport();
  if (p.destination.empty()) return;
  LARGE_INTEGER painted, frequency;
  ::QueryPerformanceCounter(&painted);
  ::QueryPerformanceFrequency(&frequency);
  const auto parts = StopStartupTimes();
  std::string text = "telvana-startup-times\n";
  Append(text, "qpc-frequency %lld\n", frequency.QuadPart);
  Append(text, "qpc-entered %lld\n", p.entered.QuadPart);
  Append(text, "qpc-painted %lld\n", painted.QuadPart);
  Append(text, "from-creation-ms %.3f\n", p.from_creation_ms);
  for (int i = 0; i < kStartupPartCount; ++i) {
    Append(text, "part %s %.3f\n", std::string(kStartupPartNames[i]).c_str(), parts[i]);
  }
  text += "end\n";
  Write(p.destination, text);
  p.destination.clear();
}

}  // namespace telvana
