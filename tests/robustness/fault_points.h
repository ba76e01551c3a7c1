#pragma once
/* The faults the fault child injects, through libfiu: its preloaded POSIX wrappers
 * (fiu_posix_preload.so) ask our callback whether a call fails, and the callback fails the
 * Nth call of one kind counted from fault_start(). Only calls on files count: writes and
 * fsyncs of regular files other than the standard streams, opens for writing, renames. */
#ifdef __cplusplus
extern "C" {
#endif

enum fault_kind { FAULT_NONE, FAULT_WRITE, FAULT_FSYNC, FAULT_RENAME, FAULT_OPEN, FAULT_KINDS };

/* Fails the `nth` call of `kind` once (FAULT_NONE: fails nothing, only counts). 0 when armed;
 * -1 when the preloaded wrappers are missing, so that nothing could be failed. */
int fault_arm(enum fault_kind kind, int nth);
void fault_start(void); /* counting begins */
void fault_stop(void);  /* counting ends; nothing fails from now on */
int fault_count(enum fault_kind kind);
int fault_injected(void); /* the armed call was reached and failed */

#ifdef __cplusplus
}
#endif
