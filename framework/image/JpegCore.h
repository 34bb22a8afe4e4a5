/* The C side of the JPEG codec: every call into the library and the
 * setjmp that catches its fatal errors live in JpegCore.c, so a fatal error
 * unwinds only C frames (the library's and ours), never C++ ones. The
 * callbacks handed in here are C++ functions that must return normally. */
#pragma once

#include <stddef.h>

#ifdef __cplusplus
extern "C" {
#endif

/* Above this many pixels an image is refused before any pixel memory is
 * taken. */
#define PLEXO_JPEG_MAX_PIXELS 100000000ULL

/* One message of the library: its code and formatted text; isError is 1 for
 * the fatal error that ends the call, 0 for a warning. */
typedef void (*PlexoJpegMessageFn)(void *context, int code, const char *text, int isError);

/* Gives the rows the decoder writes into: height rows of width * 3 bytes,
 * top row first; NULL refuses. */
typedef unsigned char *(*PlexoJpegAllocateFn)(void *context, unsigned width, unsigned height);

/* Gives the rows the decoder writes into, laid out as the caller likes: the
 * top row's address, and in *rowStep the distance in bytes from one row to
 * the next below it (at least width * 3 either way; negative for a
 * bottom-up picture). NULL refuses. */
typedef unsigned char *(*PlexoJpegRowsFn)(void *context, unsigned width, unsigned height, ptrdiff_t *rowStep);

struct PlexoJpegReport {
    void *context;
    PlexoJpegMessageFn message;
};

/* Reads the frame header only. 1 on success, 0 on failure. */
int PlexoJpegReadHeader(const unsigned char *data, size_t size, const struct PlexoJpegReport *report, unsigned *width,
                        unsigned *height, unsigned *components);

/* Decodes into blue-green-red rows taken from allocate. 1 on success. */
int PlexoJpegDecode(const unsigned char *data, size_t size, const struct PlexoJpegReport *report,
                    PlexoJpegAllocateFn allocate, void *allocateContext);

/* Decodes into blue-green-red rows where rows puts them. 1 on success. */
int PlexoJpegDecodeRows(const unsigned char *data, size_t size, const struct PlexoJpegReport *report,
                        PlexoJpegRowsFn rows, void *rowsContext);

/* Encodes blue-green-red rows at the quality given: topRow is the top row,
 * rowStep the bytes from one row to the next below it (negative for a
 * bottom-up picture). On success *output holds malloc'ed bytes the caller frees
 * with PlexoJpegFree. */
int PlexoJpegEncode(const unsigned char *topRow, unsigned width, unsigned height, ptrdiff_t rowStep, int quality,
                    const struct PlexoJpegReport *report, unsigned char **output, size_t *outputSize);

void PlexoJpegFree(unsigned char *output);

#ifdef __cplusplus
}
#endif
