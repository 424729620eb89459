/* Time from a process's start to its first frame on screen, seen from
 * outside: starts the command, then samples rows of the X screen until a run
 * of pixels of the given colour appears (the benchmark clips open with one
 * second of a single distinctive colour), prints the elapsed seconds, and
 * ends the command with SIGTERM.
 *
 *   reelwick_first_frame [-c RRGGBB] [-t tolerance] [-w timeout_s] -- cmd args
 *
 * Prints "first_frame_seconds=<s>", or "first_frame_seconds=timeout". Exit
 * status 0 when the colour appeared, 1 on a timeout, 2 on a usage or X
 * error. Rows are sampled every kRowStep pixels, every kInterval; a frame
 * counts once kMinRun sampled pixels in a row have the colour, so a movie at
 * least kRowStep pixels high and kMinRun * kColumnStep pixels wide is seen
 * wherever its window lands. */
#define _POSIX_C_SOURCE 200809L

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <fcntl.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

enum { kRowStep = 64, kColumnStep = 4, kMinRun = 32 };
static const long kIntervalNs = 4000000L; /* 4 ms */

static double Now(void) {
    struct timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return (double)ts.tv_sec + (double)ts.tv_nsec / 1e9;
}

static int Usage(void) {
    fputs("usage: reelwick_first_frame [-c RRGGBB] [-t tolerance] [-w timeout_s] -- cmd args\n",
          stderr);
    return 2;
}

/* The colour of one pixel as 8-bit components, for a TrueColor visual. */
static void Components(unsigned long pixel, const XImage* image, int rgb[3]) {
    const unsigned long masks[3] = {image->red_mask, image->green_mask, image->blue_mask};
    for (int i = 0; i < 3; ++i) {
        unsigned long mask = masks[i];
        int shift = 0;
        while (mask != 0 && (mask & 1UL) == 0) {
            mask >>= 1;
            ++shift;
        }
        const unsigned long value = (pixel & masks[i]) >> shift;
        rgb[i] = mask == 0 ? 0 : (int)(value * 255UL / mask);
    }
}

static int Near(const int a[3], const int b[3], int tolerance) {
    for (int i = 0; i < 3; ++i) {
        if (abs(a[i] - b[i]) > tolerance) return 0;
    }
    return 1;
}

/* Whether one row of the screen holds a long enough run of the colour. */
static int RowHasColour(Display* display, Window root, int width, int y, const int want[3],
                        int tolerance) {
    XImage* image = XGetImage(display, root, 0, y, (unsigned)width, 1, AllPlanes, ZPixmap);
    if (image == NULL) return 0;
    int run = 0;
    int found = 0;
    for (int x = 0; x < width && !found; x += kColumnStep) {
        int rgb[3];
        Components(XGetPixel(image, x, 0), image, rgb);
        run = Near(rgb, want, tolerance) ? run + 1 : 0;
        found = run >= kMinRun;
    }
    XDestroyImage(image);
    return found;
}

static int ScreenHasColour(Display* display, const int want[3], int tolerance) {
    const int screen = DefaultScreen(display);
    const Window root = RootWindow(display, screen);
    const int width = DisplayWidth(display, screen);
    const int height = DisplayHeight(display, screen);
    for (int y = kRowStep / 2; y < height; y += kRowStep) {
        if (RowHasColour(display, root, width, y, want, tolerance)) return 1;
    }
    return 0;
}

int main(int argc, char** argv) {
    int want[3] = {255, 0, 255};
    int tolerance = 48;
    double timeout = 20.0;
    int i = 1;
    for (; i < argc && strcmp(argv[i], "--") != 0; ++i) {
        if (i + 1 >= argc) return Usage();
        if (strcmp(argv[i], "-c") == 0) {
            const unsigned long rgb = strtoul(argv[++i], NULL, 16);
            want[0] = (int)(rgb >> 16 & 0xff);
            want[1] = (int)(rgb >> 8 & 0xff);
            want[2] = (int)(rgb & 0xff);
        } else if (strcmp(argv[i], "-t") == 0) {
            tolerance = atoi(argv[++i]);
        } else if (strcmp(argv[i], "-w") == 0) {
            timeout = atof(argv[++i]);
        } else {
            return Usage();
        }
    }
    if (i + 1 >= argc) return Usage();
    char** command = argv + i + 1;

    Display* display = XOpenDisplay(NULL);
    if (display == NULL) {
        fputs("reelwick_first_frame: cannot open the display\n", stderr);
        return 2;
    }
    /* The command must not inherit the connection. */
    fcntl(ConnectionNumber(display), F_SETFD, FD_CLOEXEC);
    if (ScreenHasColour(display, want, tolerance)) {
        fputs("reelwick_first_frame: the colour is on screen before the start\n", stderr);
        return 2;
    }

    const double start = Now();
    const pid_t child = fork();
    if (child < 0) return 2;
    if (child == 0) {
        execvp(command[0], command);
        _exit(127);
    }

    double seen = -1.0;
    int ended = 0;
    const struct timespec pause = {0, kIntervalNs};
    while (Now() - start < timeout) {
        if (ScreenHasColour(display, want, tolerance)) {
            seen = Now() - start;
            break;
        }
        ended = waitpid(child, NULL, WNOHANG) == child; /* ended without a frame */
        if (ended) break;
        nanosleep(&pause, NULL);
    }
    if (!ended) {
        kill(child, SIGTERM);
        waitpid(child, NULL, 0);
    }
    XCloseDisplay(display);

    if (seen < 0) {
        puts("first_frame_seconds=timeout");
        return 1;
    }
    printf("first_frame_seconds=%.4f\n", seen);
    return 0;
}
