/* Starts a program and watches the screen of $DISPLAY being painted: the
 * milliseconds from the start to the first and to the last paint of the
 * screen, the last being followed by QUIET_MS without any. Prints
 * "PID FIRST_MS LAST_MS" and leaves the program running.
 *
 *   paint_watch QUIET_MS TIMEOUT_MS PROGRAM [ARGUMENTS...]
 */
#include <poll.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <time.h>
#include <unistd.h>
#include <xcb/damage.h>
#include <xcb/xcb.h>

static double NowMs(void) {
  struct timespec t;
  clock_gettime(CLOCK_MONOTONIC, &t);
  return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

int main(int argc, char** argv) {
  if (argc < 4) {
    fprintf(stderr, "usage: %s QUIET_MS TIMEOUT_MS PROGRAM [ARGUMENTS...]\n", argv[0]);
    return 2;
  }
  const double quiet = atof(argv[1]);
  const double timeout = atof(argv[2]);
  xcb_connection_t* c = xcb_connect(NULL, NULL);
  if (xcb_connection_has_error(c)) {
    fprintf(stderr, "paint_watch: no display\n");
    return 1;
  }
  const xcb_query_extension_reply_t* damage = xcb_get_extension_data(c, &xcb_damage_id);
  if (damage == NULL || !damage->present) {
    fprintf(stderr, "paint_watch: the display has no DAMAGE extension\n");
    return 1;
  }
  free(xcb_damage_query_version_reply(c, xcb_damage_query_version(c, 1, 1), NULL));
  const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
  const xcb_damage_damage_t watch = xcb_generate_id(c);
  xcb_damage_create(c, watch, root, XCB_DAMAGE_REPORT_LEVEL_RAW_RECTANGLES);
  /* A new watch first reports the whole screen: wait for that and drop it. */
  free(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), NULL));
  xcb_generic_event_t* initial;
  while ((initial = xcb_poll_for_event(c)) != NULL) free(initial);

  const double start = NowMs();
  const pid_t pid = fork();
  if (pid == 0) {
    /* The program's output must not hold the reader of ours. */
    if (freopen("/dev/null", "w", stdout) == NULL) _exit(127);
    execvp(argv[3], argv + 3);
    perror(argv[3]);
    _exit(127);
  }
  double first = -1;
  double last = -1;
  struct pollfd fd = {xcb_get_file_descriptor(c), POLLIN, 0};
  for (;;) {
    const double now = NowMs();
    if (now - start > timeout) break;
    if (last >= 0 && now - start - last > quiet) break;
    xcb_generic_event_t* event;
    while ((event = xcb_poll_for_event(c)) != NULL) {
      if ((event->response_type & 0x7f) == damage->first_event + XCB_DAMAGE_NOTIFY) {
        last = NowMs() - start;
        if (first < 0) first = last;
        if (getenv("PAINT_WATCH_TRACE") != NULL) {
          const xcb_damage_notify_event_t* n = (const xcb_damage_notify_event_t*)event;
          fprintf(stderr, "%.1f ms: %dx%d+%d+%d\n", last, n->area.width, n->area.height, n->area.x, n->area.y);
        }
      }
      free(event);
    }
    if (xcb_connection_has_error(c)) break;
    poll(&fd, 1, 5);
  }
  printf("%d %.1f %.1f\n", (int)pid, first, last);
  xcb_disconnect(c);
  return first < 0 ? 1 : 0;
}
