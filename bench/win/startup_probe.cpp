// Start-up time of a Windows program: from the moment we start it to its first complete
// paint, measured the same way for Telvana and for a minimal program that opens one empty
// window, side by side, with their ratio and where Telvana's start-up goes.
//
// The first complete paint is the first moment after the main window has been shown at which
// the program's user-interface thread finds nothing to do: no message waiting and no window
// with a pending update region (PeekMessage would return WM_PAINT for one). Every window of
// both programs belongs to that thread, so by then each visible window, frame and children,
// has had its paint handled. Both programs report that moment themselves: started with
// TELVANA_STARTUP_TIMES=- they write a report to standard output (ui/startup_report.h), with
// the performance counter at their entry and at the paint. The counter is the same in every
// process, so the time from our CreateProcess call to their entry is the process and
// library load.
//
// Usage: startup_probe PROGRAM.exe BASELINE.exe [RUNS]
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <map>
#include <mutex>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "ui/win_handles.h"

namespace {

using telvana::win::KernelObject;

constexpr DWORD kTimeLimitMs = 30000;

struct Report {
  double load_ms = 0;   // our CreateProcess call to the program's entry
  double total_ms = 0;  // our CreateProcess call to the first complete paint
  std::vector<std::pair<std::string, double>> parts;  // in the program's order
};

// Ends the child when it has not reported in time, which also ends our read of its pipe.
class Watchdog {
 public:
  explicit Watchdog(HANDLE process)
      : thread_([this, process] {
          std::unique_lock lock(mutex_);
          if (!done_cv_.wait_for(lock, std::chrono::milliseconds(kTimeLimitMs),
                                 [this] { return done_; })) {
            ::TerminateProcess(process, 1);
          }
        }) {}
  ~Watchdog() {
    {
      std::lock_guard lock(mutex_);
      done_ = true;
    }
    done_cv_.notify_one();
    thread_.join();
  }

 private:
  std::mutex mutex_;
  std::condition_variable done_cv_;
  bool done_ = false;
  std::thread thread_;
};

bool Parse(const std::string& text, LONGLONG started, LONGLONG frequency, Report& out) {
  std::istringstream in(text);
  std::string key;
  std::map<std::string, long long> counters;
  bool header = false, end = false;
  for (std::string line; std::getline(in, line);) {
    std::istringstream fields(line);
    fields >> key;
    if (key == "telvana-startup-times") {
      header = true;
    } else if (key == "end") {
      end = true;
    } else if (key == "part") {
      std::string name;
      double ms = 0;
      if (fields >> name >> ms) out.parts.emplace_back(name, ms);
    } else if (key.rfind("qpc-", 0) == 0) {
      long long value = 0;
      if (fields >> value) counters[key] = value;
    }
  }
  if (!header || !end || counters["qpc-frequency"] != frequency || !counters.count("qpc-entered") ||
      !counters.count("qpc-painted")) {
    return false;
  }
  const auto ms = [&](long long to) {
    return 1000.0 * static_cast<double>(to - started) / static_cast<double>(frequency);
  };
  out.load_ms = ms(counters["qpc-entered"]);
  out.total_ms = ms(counters["qpc-painted"]);
  return true;
}

// Starts `program` with its report going to a pipe of ours, reads the report, ends it.
bool Measure(const std::wstring& program, Report& report) {
  SECURITY_ATTRIBUTES inheritable{sizeof(inheritable), nullptr, TRUE};
  HANDLE pipe_read = nullptr, pipe_write = nullptr;
  if (!::CreatePipe(&pipe_read, &pipe_write, &inheritable, 0)) return false;
  KernelObject read_end(pipe_read), write_end(pipe_write);
  ::SetHandleInformation(read_end.get(), HANDLE_FLAG_INHERIT, 0);
  STARTUPINFOW startup{sizeof(startup)};
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdOutput = write_end.get();
  PROCESS_INFORMATION info{};
  std::wstring command_line = L"\"" + program + L"\"";
  LARGE_INTEGER frequency, started;
  ::QueryPerformanceFrequency(&frequency);
  ::QueryPerformanceCounter(&started);
  if (!::CreateProcessW(program.c_str(), command_line.data(), nullptr, nullptr, TRUE, 0, nullptr,
                        nullptr, &startup, &info)) {
    return false;
  }
  KernelObject process(info.hProcess), thread(info.hThread);
  write_end.reset();  // the child's copy is the only one: its end ends our reading
  std::string text;
  {
    Watchdog watchdog(process.get());
    char buffer[4096];
    DWORD got = 0;
    while (text.find("\nend\n") == std::string::npos &&
           ::ReadFile(read_end.get(), buffer, sizeof buffer, &got, nullptr) && got > 0) {
      text.append(buffer, got);
    }
  }
  ::TerminateProcess(process.get(), 0);
  ::WaitForSingleObject(process.get(), 5000);
  return Parse(text, started.QuadPart, frequency.QuadPart, report);
}

std::string FileName(const std::wstring& path) {
  const std::wstring name = path.substr(path.find_last_of(L"\\/") + 1);
  return std::string(name.begin(), name.end());  // our programs have ASCII names
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const std::size_t n = values.size();
  return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 3) {
    std::fputs("usage: startup_probe PROGRAM.exe BASELINE.exe [RUNS]\n", stderr);
    return 2;
  }
  const int runs = argc > 3 ? std::max(1, _wtoi(argv[3])) : 15;
  ::SetEnvironmentVariableW(L"TELVANA_STARTUP_TIMES", L"-");  // inherited by both
  std::vector<Report> program, baseline;
  for (int i = -1; i < runs; ++i) {
    // Interleaved, so that both see the same state of the machine. The first pair only
    // warms the file cache and the wine server.
    Report p, b;
    if (!Measure(argv[1], p) || !Measure(argv[2], b)) {
      std::fputs("startup_probe: a program did not report its first paint\n", stderr);
      return 1;
    }
    if (i < 0) continue;
    program.push_back(p);
    baseline.push_back(b);
  }

  const auto median = [](const std::vector<Report>& reports, auto field) {
    std::vector<double> values;
    for (const Report& r : reports) values.push_back(field(r));
    return Median(values);
  };
  const auto fastest = [](const std::vector<Report>& reports) {
    double best = reports.front().total_ms;
    for (const Report& r : reports) best = std::min(best, r.total_ms);
    return best;
  };
  const double p = median(program, [](const Report& r) { return r.total_ms; });
  const double b = median(baseline, [](const Report& r) { return r.total_ms; });
  std::printf("start-up to the first complete paint (median of %d interleaved runs; fastest)\n",
              runs);
  const std::string program_name = FileName(argv[1]), baseline_name = FileName(argv[2]);
  std::printf("  %-24s %8.1f ms   (%.1f)\n", program_name.c_str(), p, fastest(program));
  std::printf("  %-24s %8.1f ms   (%.1f)\n", baseline_name.c_str(), b, fastest(baseline));
  std::printf("  ratio                    %8.2f      (%.2f)\n", p / b,
              fastest(program) / fastest(baseline));
  std::vector<double> ratios;
  for (std::size_t i = 0; i < program.size(); ++i) {
    ratios.push_back(program[i].total_ms / baseline[i].total_ms);
  }
  // Each run beside the minimal one started next to it: steadier than the ratio of the
  // medians when the machine's load changes during the runs.
  std::printf("  ratio run by run, median   %6.2f\n", Median(ratios));
  std::printf("  every run, %s / %s (ms):", program_name.c_str(), baseline_name.c_str());
  for (std::size_t i = 0; i < program.size(); ++i) {
    std::printf(" %.0f/%.0f", program[i].total_ms, baseline[i].total_ms);
  }
  std::printf("\nwhere the start-up of %s goes (median of each part; ms):\n", program_name.c_str());
  std::printf("  %-28s %8.1f   (%s %.1f)\n", "process and library load",
              median(program, [](const Report& r) { return r.load_ms; }), baseline_name.c_str(),
              median(baseline, [](const Report& r) { return r.load_ms; }));
  for (std::size_t k = 0; k < program.front().parts.size(); ++k) {
    const std::string& name = program.front().parts[k].first;
    std::printf("  %-28s %8.1f\n", name.c_str(), median(program, [&](const Report& r) {
                  for (const auto& [n, ms] : r.parts) {
                    if (n == name) return ms;
                  }
                  return 0.0;
                }));
  }
  return 0;
}
