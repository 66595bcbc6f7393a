// SPDX-License-Identifier: MIT
// Times programs from exec until their window is mapped (viewable, frame
// and all) and until its first paint, watching the X server from outside as
// a user's screen would: the same yardstick for any program, no change to it.
// The programs run in turn, round after round, each round starting with the
// next one, so that a slow spell of the machine falls on all of them alike.
//   bench_startup_probe RUNS NAME PROGRAM [ARG...] [-- NAME PROGRAM [ARG...]]...
// The first program is the floor the others are compared with.
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/damage.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <optional>
#include <string>
#include <thread>
#include <vector>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

struct Program
{
    std::string name;
    std::vector<std::string> command;
    std::vector<double> mapped, painted, peakKib;
};

struct Sample
{
    double mapped = 0, painted = 0, peakKib = 0;
};

double millisecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

template <class T> struct Reply
{
    T* p;
    explicit Reply(T* reply) : p(reply) {}
    ~Reply() { std::free(p); }
    Reply(const Reply&) = delete;
    Reply& operator=(const Reply&) = delete;
    T* operator->() const { return p; }
    explicit operator bool() const { return p != nullptr; }
};

class Display
{
public:
    Display()
    {
        m_c = xcb_connect(nullptr, nullptr);
        if (xcb_connection_has_error(m_c)) {
            std::fprintf(stderr, "cannot open the X display\n");
            std::exit(2);
        }
        m_root = xcb_setup_roots_iterator(xcb_get_setup(m_c)).data->root;
        const xcb_query_extension_reply_t* damage = xcb_get_extension_data(m_c, &xcb_damage_id);
        if (!damage || !damage->present) {
            std::fprintf(stderr, "the X server has no DAMAGE extension\n");
            std::exit(2);
        }
        m_damageEvent = damage->first_event + XCB_DAMAGE_NOTIFY;
        free(xcb_damage_query_version_reply(m_c, xcb_damage_query_version(m_c, 1, 1), nullptr));
        const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(m_c, m_root, XCB_CW_EVENT_MASK, &mask);
        m_pidAtom = atom("_NET_WM_PID");
        sync();
    }
    ~Display() { xcb_disconnect(m_c); }

    // One run: spawns the program and waits for its window. Empty on failure.
    std::optional<Sample> run(const std::vector<std::string>& command)
    {
        drain();
        std::vector<char*> argv;
        for (const std::string& a : command)
            argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        posix_spawn_file_actions_t files;
        posix_spawn_file_actions_init(&files);
        posix_spawn_file_actions_addopen(&files, 1, "/dev/null", O_WRONLY, 0);
        posix_spawn_file_actions_addopen(&files, 2, "/dev/null", O_WRONLY, 0);
        const Clock::time_point start = Clock::now();
        pid_t pid = 0;
        const int failed = posix_spawn(&pid, argv[0], &files, nullptr, argv.data(), environ);
        posix_spawn_file_actions_destroy(&files);
        if (failed) {
            std::fprintf(stderr, "cannot start %s: %s\n", argv[0], std::strerror(failed));
            std::exit(2);
        }
        const std::optional<Sample> sample = watch(pid, start);
        kill(pid, SIGTERM);
        waitpid(pid, nullptr, 0);
        m_watched.clear();
        // The window manager forgets the window before the next run starts.
        std::this_thread::sleep_for(std::chrono::milliseconds(150));
        return sample;
    }

private:
    std::optional<Sample> watch(pid_t pid, Clock::time_point start)
    {
        xcb_window_t target = XCB_WINDOW_NONE;
        Sample sample;
        bool mapped = false;
        for (;;) {
            xcb_generic_event_t* event = nextEvent(start);
            if (!event) {
                std::fprintf(stderr, "no window within the time allowed\n");
                return std::nullopt;
            }
            const Clock::time_point at = Clock::now();
            const int type = event->response_type & 0x7f;
            if (type == XCB_CREATE_NOTIFY) {
                const auto* e = reinterpret_cast<xcb_create_notify_event_t*>(event);
                if (!e->override_redirect)
                    follow(e->window);
            } else if (type == XCB_MAP_NOTIFY && !mapped) {
                const auto* e = reinterpret_cast<xcb_map_notify_event_t*>(event);
                if (target == XCB_WINDOW_NONE && e->event == e->window &&
                    m_watched.count(e->window) && ownedBy(e->window, pid))
                    target = e->window;
                // Under a window manager the frame may be mapped after the
                // window itself: only then can it be seen.
                if (target != XCB_WINDOW_NONE && viewable(target)) {
                    mapped = true;
                    sample.mapped = std::chrono::duration<double, std::milli>(at - start).count();
                }
            } else if (type == m_damageEvent && mapped) {
                const auto* e = reinterpret_cast<xcb_damage_notify_event_t*>(event);
                if (e->drawable == target) {
                    sample.painted = std::chrono::duration<double, std::milli>(at - start).count();
                    free(event);
                    sample.peakKib = peakMemory(pid);
                    return sample;
                }
            }
            free(event);
        }
    }

    xcb_generic_event_t* nextEvent(Clock::time_point start)
    {
        for (;;) {
            if (xcb_generic_event_t* event = xcb_poll_for_event(m_c))
                return event;
            if (xcb_connection_has_error(m_c))
                std::exit(2);
            const double left = 20000 - millisecondsSince(start);
            if (left <= 0)
                return nullptr;
            pollfd fd{xcb_get_file_descriptor(m_c), POLLIN, 0};
            poll(&fd, 1, static_cast<int>(left) + 1);
        }
    }

    // Every new top-level window may be the program's: its map and its
    // drawing are watched from the moment it exists.
    void follow(xcb_window_t window)
    {
        const uint32_t mask = XCB_EVENT_MASK_STRUCTURE_NOTIFY;
        xcb_change_window_attributes(m_c, window, XCB_CW_EVENT_MASK, &mask);
        const xcb_damage_damage_t damage = xcb_generate_id(m_c);
        xcb_damage_create(m_c, damage, window, XCB_DAMAGE_REPORT_LEVEL_NON_EMPTY);
        m_watched[window] = damage;
        xcb_flush(m_c);
    }

    bool ownedBy(xcb_window_t window, pid_t pid)
    {
        const Reply<xcb_get_property_reply_t> reply(xcb_get_property_reply(
            m_c, xcb_get_property(m_c, 0, window, m_pidAtom, XCB_ATOM_CARDINAL, 0, 1), nullptr));
        return reply && xcb_get_property_value_length(reply.p) == 4 &&
               *static_cast<const uint32_t*>(xcb_get_property_value(reply.p)) ==
                   static_cast<uint32_t>(pid);
    }

    bool viewable(xcb_window_t window)
    {
        const Reply<xcb_get_window_attributes_reply_t> reply(
            xcb_get_window_attributes_reply(m_c, xcb_get_window_attributes(m_c, window), nullptr));
        return reply && reply->map_state == XCB_MAP_STATE_VIEWABLE;
    }

    static double peakMemory(pid_t pid)
    {
        const std::string path = "/proc/" + std::to_string(pid) + "/status";
        FILE* status = std::fopen(path.c_str(), "r");
        if (!status)
            return 0;
        char line[256];
        double kib = 0;
        while (std::fgets(line, sizeof line, status))
            if (std::sscanf(line, "VmHWM: %lf", &kib) == 1)
                break;
        std::fclose(status);
        return kib;
    }

    xcb_atom_t atom(const char* name)
    {
        const Reply<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(
            m_c, xcb_intern_atom(m_c, 0, static_cast<uint16_t>(std::strlen(name)), name), nullptr));
        return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
    }

    void sync() { free(xcb_get_input_focus_reply(m_c, xcb_get_input_focus(m_c), nullptr)); }

    // Events of the run before (its windows going away) are no news.
    void drain()
    {
        sync();
        while (xcb_generic_event_t* event = xcb_poll_for_event(m_c))
            free(event);
    }

    xcb_connection_t* m_c = nullptr;
    xcb_window_t m_root = 0;
    xcb_atom_t m_pidAtom = 0;
    int m_damageEvent = 0;
    std::map<xcb_window_t, xcb_damage_damage_t> m_watched;
};

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s RUNS NAME PROGRAM [ARG...] [-- NAME PROGRAM [ARG...]]...\n",
                     argv[0]);
        return 2;
    }
    const int runs = std::max(1, std::atoi(argv[1]));
    std::vector<Program> programs(1);
    for (int i = 2; i < argc; ++i) {
        if (std::strcmp(argv[i], "--") == 0) {
            programs.emplace_back();
            continue;
        }
        Program& p = programs.back();
        if (p.name.empty())
            p.name = argv[i];
        else
            p.command.emplace_back(argv[i]);
    }
    for (const Program& p : programs)
        if (p.command.empty()) {
            std::fprintf(stderr, "%s: no program to run\n", p.name.c_str());
            return 2;
        }

    Display display;
    for (Program& p : programs)
        display.run(p.command); // the caches warmed, once each
    const size_t count = programs.size();
    for (size_t round = 0; round < static_cast<size_t>(runs); ++round) {
        for (size_t k = 0; k < count; ++k) {
            Program& p = programs[(round + k) % count];
            if (const std::optional<Sample> s = display.run(p.command)) {
                p.mapped.push_back(s->mapped);
                p.painted.push_back(s->painted);
                p.peakKib.push_back(s->peakKib);
            }
        }
    }

    const Program& floor = programs.front();
    if (floor.painted.empty())
        return 1;
    const double floorMapped = median(floor.mapped);
    const double floorPainted = median(floor.painted);
    const double floorPeak = median(floor.peakKib);
    std::printf("%-16s %4s %16s %16s %20s\n", "", "runs", "mapped", "first paint", "peak memory");
    int status = 0;
    for (const Program& p : programs) {
        if (p.painted.empty()) {
            std::printf("%-16s no run succeeded\n", p.name.c_str());
            status = 1;
            continue;
        }
        const double mapped = median(p.mapped), painted = median(p.painted),
                     peak = median(p.peakKib);
        std::printf("%-16s %4zu %6.1f ms %5.2fx %6.1f ms %5.2fx %8.0f KiB %5.2fx\n", p.name.c_str(),
                    p.painted.size(), mapped, mapped / floorMapped, painted, painted / floorPainted,
                    peak, peak / floorPeak);
    }
    return status;
}
