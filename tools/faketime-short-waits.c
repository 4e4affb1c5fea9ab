/*
 * Preloaded ahead of libfaketime on wineserver and every Wine process of a
 * sped-up run. libfaketime divides a poll/epoll timeout (milliseconds) by
 * its rate and truncates, so any wait shorter than one real millisecond
 * becomes 0: wineserver then never sleeps while a timer is due within
 * `rate` faked milliseconds, and spins on a core. Here such a timeout is
 * raised to `rate`, which libfaketime turns into exactly 1 ms. A timeout
 * of 0 (a plain check) and -1 (no limit) pass unchanged.
 *
 * Must come first in LD_PRELOAD: after libfaketime it would see the
 * already truncated 0 and could not tell it from a plain check.
 *
 *   cc -O2 -shared -fPIC -o libfaketime-short-waits.so faketime-short-waits.c -ldl
 * (tools/faketime-desktop-run.sh builds it into the build folder.)
 */
#define _GNU_SOURCE
#include <dlfcn.h>
#include <poll.h>
#include <signal.h>
#include <stdlib.h>
#include <string.h>
#include <sys/epoll.h>

/* The speed-up factor from FAKETIME ("+0 x600" -> 600), as whole faked
 * milliseconds per real millisecond; 1 when the clock is not sped up. */
static int faked_ms_per_real_ms(void) {
    static volatile int cached;
    int rate = cached;
    if (rate > 0) return rate;
    rate = 1;
    const char *setting = getenv("FAKETIME");
    const char *x = setting != NULL ? strchr(setting, 'x') : NULL;
    if (x != NULL) {
        const double factor = strtod(x + 1, NULL);
        if (factor > 1.0 && factor < 1e6) {
            rate = (int)factor;
            if (rate < factor) ++rate;
        }
    }
    cached = rate;
    return rate;
}

static int at_least_one_real_ms(int timeout) {
    const int rate = faked_ms_per_real_ms();
    return (timeout > 0 && timeout < rate) ? rate : timeout;
}

static void *next_symbol(const char *name) { return dlsym(RTLD_NEXT, name); }

int poll(struct pollfd *fds, nfds_t nfds, int timeout) {
    static int (*next)(struct pollfd *, nfds_t, int);
    if (next == NULL) next = (int (*)(struct pollfd *, nfds_t, int))next_symbol("poll");
    return next(fds, nfds, at_least_one_real_ms(timeout));
}

int epoll_wait(int epfd, struct epoll_event *events, int maxevents, int timeout) {
    static int (*next)(int, struct epoll_event *, int, int);
    if (next == NULL) next = (int (*)(int, struct epoll_event *, int, int))next_symbol("epoll_wait");
    return next(epfd, events, maxevents, at_least_one_real_ms(timeout));
}

int epoll_pwait(int epfd, struct epoll_event *events, int maxevents, int timeout, const sigset_t *sigmask) {
    static int (*next)(int, struct epoll_event *, int, int, const sigset_t *);
    if (next == NULL) {
        next = (int (*)(int, struct epoll_event *, int, int, const sigset_t *))next_symbol("epoll_pwait");
    }
    return next(epfd, events, maxevents, at_least_one_real_ms(timeout), sigmask);
}
