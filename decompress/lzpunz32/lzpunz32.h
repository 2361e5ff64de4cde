/* lzpunz32.dll: decompresses one SZDD file (the format of the MS-DOS and
 * Windows COMPRESS/EXPAND tools) at a time for the setup engine.
 *
 * Calling convention: __cdecl on every entry point (the caller pops the
 * arguments). The library is meant to be loaded with LoadLibraryA and its
 * entry points found with GetProcAddress under exactly these export names,
 * which the module-definition file gives them on every architecture:
 *     "_LzpUnzOpen", "_LzpUnzRead", "_LzpUnzClose"
 * Call through the pointer types below.
 *
 * One file is open at a time; the library keeps its state itself, so no
 * handle is passed. Not for use from several threads at once. */
#ifndef LZPUNZ32_H
#define LZPUNZ32_H

#ifdef __cplusplus
extern "C" {
#endif

#define LZPUNZ_OPEN_NAME "_LzpUnzOpen"
#define LZPUNZ_READ_NAME "_LzpUnzRead"
#define LZPUNZ_CLOSE_NAME "_LzpUnzClose"

/* The only open mode: read the compressed file. */
#define LZPUNZ_MODE_READ 2

/* Answers of the open call. */
#define LZPUNZ_OK 0
#define LZPUNZ_ERR_FILE 1   /* the file cannot be opened or read */
#define LZPUNZ_ERR_FORMAT 2 /* not an SZDD file, or its length cannot be right */
#define LZPUNZ_ERR_BUSY 3   /* another file is still open */
#define LZPUNZ_ERR_ARGS 4   /* no path, or a mode other than 2 */

/* Opens the compressed file at the full path `path`; mode must be 2.
 * Answers 0 when the file is open, else one of the codes above. */
typedef int(__cdecl* LzpUnzOpenFn)(const char* path, int mode);

/* Decompresses up to `size` bytes into `buffer`. Answers the number of
 * bytes placed there: `size` while more data follows, less (possibly 0)
 * at the end of the file; -1 when no file is open, on bad arguments, on a
 * read error or when the data is damaged (also for every later call). The
 * whole file is checked against the length in its header. */
typedef int(__cdecl* LzpUnzReadFn)(void* buffer, int size);

/* Closes the open file. Answers 0 when a file was open, 1 when none was. */
typedef int(__cdecl* LzpUnzCloseFn)(void);

#ifdef LZPUNZ32_BUILD
int __cdecl LzpUnzOpen(const char* path, int mode);
int __cdecl LzpUnzRead(void* buffer, int size);
int __cdecl LzpUnzClose(void);
#endif

#ifdef __cplusplus
}
#endif

#endif
