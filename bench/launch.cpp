// Starts the programs in turn, rounds times each, and for every start measures the time from
// CreateProcess until the program's first top-level window is visible, and its peak working
// set; then closes the window and waits for the program to end. Prints each start, the
// medians and the last program's ratios to each of the others.
//
//   launch <rounds> <floor.exe>... <vexmora.exe>

#include <windows.h>

#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

struct Start {
    double ms = 0;
    double peakKb = 0;
};

struct Search {
    DWORD pid;
    HWND found;
};

BOOL CALLBACK Visible(HWND hwnd, LPARAM param) {
    auto* search = reinterpret_cast<Search*>(param);
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    if (pid != search->pid || !IsWindowVisible(hwnd)) return TRUE;
    search->found = hwnd;
    return FALSE;
}

bool Measure(const char* exe, Start* start) {
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    LARGE_INTEGER frequency, begin, now;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&begin);
    if (!CreateProcessA(exe, nullptr, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process)) {
        return false;
    }
    Search search = {process.dwProcessId, nullptr};
    for (int waited = 0; search.found == nullptr && waited < 30000; ++waited) {
        EnumWindows(Visible, reinterpret_cast<LPARAM>(&search));
        if (search.found == nullptr) Sleep(1);
    }
    QueryPerformanceCounter(&now);
    start->ms = 1000.0 * double(now.QuadPart - begin.QuadPart) / double(frequency.QuadPart);
    PROCESS_MEMORY_COUNTERS memory = {};
    GetProcessMemoryInfo(process.hProcess, &memory, sizeof memory);
    start->peakKb = double(memory.PeakWorkingSetSize) / 1024;
    if (search.found != nullptr) PostMessageA(search.found, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process.hProcess, 10000) != WAIT_OBJECT_0)
        TerminateProcess(process.hProcess, 1);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return search.found != nullptr;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 4)
        return std::fprintf(stderr, "usage: launch <rounds> <floor.exe>... <vexmora.exe>\n"), 2;
    const int rounds = std::atoi(argv[1]);
    const int programs = argc - 2;
    std::vector<std::vector<double>> ms(programs), kb(programs);
    for (int i = 0; i < rounds; ++i) {
        for (int which = 0; which < programs; ++which) {
            Start start;
            if (!Measure(argv[2 + which], &start)) {
                return std::fprintf(stderr, "launch: %s showed no window\n", argv[2 + which]), 1;
            }
            ms[which].push_back(start.ms);
            kb[which].push_back(start.peakKb);
            std::printf("run %d %s: %.1f ms, peak working set %.0f KB\n", i + 1, argv[2 + which],
                        start.ms, start.peakKb);
        }
    }
    const int last = programs - 1;
    for (int which = 0; which < programs; ++which) {
        std::printf("median %s: %.1f ms, %.0f KB\n", argv[2 + which], Median(ms[which]),
                    Median(kb[which]));
    }
    for (int floor = 0; floor < last; ++floor) {
        std::printf("ratio to %s: start-up %.2f, peak working set %.2f\n", argv[2 + floor],
                    Median(ms[last]) / Median(ms[floor]), Median(kb[last]) / Median(kb[floor]));
    }
    return 0;
}
