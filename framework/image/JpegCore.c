/* libjpeg on memory buffers: a source and a destination manager of our own,
 * an error manager that reports through the caller's callback and ends the
 * call with longjmp back into this file, and a memory bound for decoding. */
#include "framework/image/JpegCore.h"

#include <setjmp.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <jerror.h>
#include <jpeglib.h>

/* The decoder may use this many bytes per pixel of the image (progressive
 * images keep every coefficient: 2 bytes a sample), plus a fixed floor for
 * tables and the small buffers of tiny images. */
#define DECODER_BYTES_PER_PIXEL 16UL
#define DECODER_MEMORY_FLOOR (4UL * 1024UL * 1024UL)
#define DESTINATION_CHUNK 65536

struct ErrorManager {
    struct jpeg_error_mgr pub;
    const struct PlexoJpegReport *report;
    jmp_buf escape;
};

static void Report(j_common_ptr cinfo, int isError)
{
    struct ErrorManager *manager = (struct ErrorManager *)cinfo->err;
    char text[JMSG_LENGTH_MAX];
    if (!manager->report || !manager->report->message)
        return;
    manager->pub.format_message(cinfo, text);
    manager->report->message(manager->report->context, manager->pub.msg_code, text, isError);
}

static void ErrorExit(j_common_ptr cinfo)
{
    struct ErrorManager *manager = (struct ErrorManager *)cinfo->err;
    Report(cinfo, 1);
    longjmp(manager->escape, 1);
}

static void EmitMessage(j_common_ptr cinfo, int level)
{
    /* Level -1 is a warning; the others are trace messages, not reported. */
    if (level >= 0)
        return;
    cinfo->err->num_warnings++;
    Report(cinfo, 0);
}

static void OutputMessage(j_common_ptr cinfo)
{
    (void)cinfo;
}

static void InitErrors(struct ErrorManager *manager, const struct PlexoJpegReport *report)
{
    jpeg_std_error(&manager->pub);
    manager->pub.error_exit = ErrorExit;
    manager->pub.emit_message = EmitMessage;
    manager->pub.output_message = OutputMessage;
    manager->report = report;
}

/* Source: the whole buffer at once. Running out supplies an end-of-image
 * marker with a warning, as a truncated file deserves; an empty buffer is an
 * error. */
static const JOCTET fakeEnd[2] = {0xFF, JPEG_EOI};

struct Source {
    struct jpeg_source_mgr pub;
    const JOCTET *data;
    size_t size;
};

static void InitSource(j_decompress_ptr cinfo)
{
    struct Source *source = (struct Source *)cinfo->src;
    source->pub.next_input_byte = source->data;
    source->pub.bytes_in_buffer = source->size;
}

static boolean FillInput(j_decompress_ptr cinfo)
{
    struct Source *source = (struct Source *)cinfo->src;
    if (source->size == 0)
        ERREXIT(cinfo, JERR_INPUT_EMPTY);
    WARNMS(cinfo, JWRN_JPEG_EOF);
    source->pub.next_input_byte = fakeEnd;
    source->pub.bytes_in_buffer = sizeof fakeEnd;
    return TRUE;
}

static void SkipInput(j_decompress_ptr cinfo, long count)
{
    struct Source *source = (struct Source *)cinfo->src;
    if (count <= 0)
        return;
    while ((size_t)count > source->pub.bytes_in_buffer) {
        count -= (long)source->pub.bytes_in_buffer;
        FillInput(cinfo);
    }
    source->pub.next_input_byte += count;
    source->pub.bytes_in_buffer -= (size_t)count;
}

static void TermSource(j_decompress_ptr cinfo)
{
    (void)cinfo;
}

static void InitSourceManager(struct Source *source, const unsigned char *data, size_t size)
{
    memset(source, 0, sizeof *source);
    source->data = data;
    source->size = size;
    source->pub.init_source = InitSource;
    source->pub.fill_input_buffer = FillInput;
    source->pub.skip_input_data = SkipInput;
    source->pub.resync_to_restart = jpeg_resync_to_restart;
    source->pub.term_source = TermSource;
}

/* Destination: a malloc'ed buffer that doubles as it fills. */
struct Destination {
    struct jpeg_destination_mgr pub;
    unsigned char *bytes;
    size_t capacity;
};

static void Grow(j_compress_ptr cinfo, size_t used)
{
    struct Destination *destination = (struct Destination *)cinfo->dest;
    size_t capacity = destination->capacity ? destination->capacity * 2 : DESTINATION_CHUNK;
    unsigned char *bytes = (unsigned char *)realloc(destination->bytes, capacity);
    if (!bytes)
        ERREXIT1(cinfo, JERR_OUT_OF_MEMORY, 0);
    destination->bytes = bytes;
    destination->capacity = capacity;
    destination->pub.next_output_byte = bytes + used;
    destination->pub.free_in_buffer = capacity - used;
}

static void InitDestination(j_compress_ptr cinfo)
{
    Grow(cinfo, 0);
}

static boolean EmptyOutput(j_compress_ptr cinfo)
{
    /* Called when the buffer is full: everything so far is in use. */
    struct Destination *destination = (struct Destination *)cinfo->dest;
    Grow(cinfo, destination->capacity);
    return TRUE;
}

static void TermDestination(j_compress_ptr cinfo)
{
    (void)cinfo;
}

static void InitDestinationManager(struct Destination *destination)
{
    memset(destination, 0, sizeof *destination);
    destination->pub.init_destination = InitDestination;
    destination->pub.empty_output_buffer = EmptyOutput;
    destination->pub.term_destination = TermDestination;
}

/* Refuses images above the pixel cap and bounds what the decoder may
 * allocate by the image's size; no backing-store files are ever made. */
static void LimitDecoder(j_decompress_ptr cinfo)
{
    unsigned long long pixels = (unsigned long long)cinfo->image_width * cinfo->image_height;
    if (pixels == 0 || pixels > PLEXO_JPEG_MAX_PIXELS)
        ERREXIT1(cinfo, JERR_IMAGE_TOO_BIG, (unsigned)PLEXO_JPEG_MAX_PIXELS);
    cinfo->mem->max_memory_to_use = (long)(pixels * DECODER_BYTES_PER_PIXEL + DECODER_MEMORY_FLOOR);
}

/* State a longjmp must find intact lives in this struct, not in locals
 * changed after setjmp. */
struct DecodeJob {
    struct jpeg_decompress_struct cinfo;
    struct ErrorManager errors;
    struct Source source;
};

static void BeginDecode(struct DecodeJob *job, const unsigned char *data, size_t size,
                        const struct PlexoJpegReport *report)
{
    memset(&job->cinfo, 0, sizeof job->cinfo);
    InitErrors(&job->errors, report);
    job->cinfo.err = &job->errors.pub;
    InitSourceManager(&job->source, data, size);
}

int PlexoJpegReadHeader(const unsigned char *data, size_t size, const struct PlexoJpegReport *report,
                        unsigned *width, unsigned *height, unsigned *components)
{
    struct DecodeJob job;
    BeginDecode(&job, data, size, report);
    if (setjmp(job.errors.escape)) {
        jpeg_destroy_decompress(&job.cinfo);
        return 0;
    }
    jpeg_create_decompress(&job.cinfo);
    job.cinfo.src = &job.source.pub;
    jpeg_read_header(&job.cinfo, TRUE);
    LimitDecoder(&job.cinfo);
    *width = job.cinfo.image_width;
    *height = job.cinfo.image_height;
    *components = (unsigned)job.cinfo.num_components;
    jpeg_destroy_decompress(&job.cinfo);
    return 1;
}

/* CMYK samples to blue, green, red.  Files with an Adobe marker store the
 * inks inverted (255 is no ink), which is what the product below wants. */
static void CmykRowToBgr(const JSAMPLE *cmyk, unsigned char *bgr, JDIMENSION width, boolean inverted)
{
    for (JDIMENSION x = 0; x < width; ++x, cmyk += 4, bgr += 3) {
        unsigned c = cmyk[0], m = cmyk[1], y = cmyk[2], k = cmyk[3];
        if (!inverted) {
            c = 255 - c;
            m = 255 - m;
            y = 255 - y;
            k = 255 - k;
        }
        bgr[0] = (unsigned char)((y * k + 127) / 255);
        bgr[1] = (unsigned char)((m * k + 127) / 255);
        bgr[2] = (unsigned char)((c * k + 127) / 255);
    }
}

int PlexoJpegDecodeRows(const unsigned char *data, size_t size, const struct PlexoJpegReport *report,
                        PlexoJpegRowsFn rows, void *rowsContext)
{
    struct DecodeJob job;
    BeginDecode(&job, data, size, report);
    if (setjmp(job.errors.escape)) {
        jpeg_destroy_decompress(&job.cinfo);
        return 0;
    }
    jpeg_create_decompress(&job.cinfo);
    job.cinfo.src = &job.source.pub;
    jpeg_read_header(&job.cinfo, TRUE);
    LimitDecoder(&job.cinfo);
    /* Four-component pictures come out as CMYK and are converted here; the
     * library has no CMYK to RGB conversion of its own. */
    int fourComponents = job.cinfo.jpeg_color_space == JCS_CMYK || job.cinfo.jpeg_color_space == JCS_YCCK;
    job.cinfo.out_color_space = fourComponents ? JCS_CMYK : JCS_EXT_BGR;
    jpeg_start_decompress(&job.cinfo);
    ptrdiff_t step = 0;
    unsigned char *top = rows(rowsContext, job.cinfo.output_width, job.cinfo.output_height, &step);
    ptrdiff_t rowBytes = (ptrdiff_t)job.cinfo.output_width * 3;
    if (!top || (step < rowBytes && step > -rowBytes))
        ERREXIT1(&job.cinfo, JERR_OUT_OF_MEMORY, 1);
    JSAMPARRAY cmykRow = NULL;
    if (fourComponents)
        cmykRow = (*job.cinfo.mem->alloc_sarray)((j_common_ptr)&job.cinfo, JPOOL_IMAGE,
                                                 job.cinfo.output_width * 4, 1);
    while (job.cinfo.output_scanline < job.cinfo.output_height) {
        JSAMPROW row = top + step * (ptrdiff_t)job.cinfo.output_scanline;
        if (!fourComponents) {
            jpeg_read_scanlines(&job.cinfo, &row, 1);
            continue;
        }
        if (jpeg_read_scanlines(&job.cinfo, cmykRow, 1) == 1)
            CmykRowToBgr(cmykRow[0], row, job.cinfo.output_width, job.cinfo.saw_Adobe_marker);
    }
    jpeg_finish_decompress(&job.cinfo);
    jpeg_destroy_decompress(&job.cinfo);
    return 1;
}

/* The packed top-down layout of PlexoJpegDecode. */
struct PackedRows {
    PlexoJpegAllocateFn allocate;
    void *context;
};

static unsigned char *PackedRowsFor(void *context, unsigned width, unsigned height, ptrdiff_t *rowStep)
{
    struct PackedRows *packed = (struct PackedRows *)context;
    *rowStep = (ptrdiff_t)width * 3;
    return packed->allocate(packed->context, width, height);
}

int PlexoJpegDecode(const unsigned char *data, size_t size, const struct PlexoJpegReport *report,
                    PlexoJpegAllocateFn allocate, void *allocateContext)
{
    struct PackedRows packed = {allocate, allocateContext};
    return PlexoJpegDecodeRows(data, size, report, PackedRowsFor, &packed);
}

struct EncodeJob {
    struct jpeg_compress_struct cinfo;
    struct ErrorManager errors;
    struct Destination destination;
};

int PlexoJpegEncode(const unsigned char *topRow, unsigned width, unsigned height, ptrdiff_t rowStep, int quality,
                    const struct PlexoJpegReport *report, unsigned char **output, size_t *outputSize)
{
    struct EncodeJob job;
    memset(&job.cinfo, 0, sizeof job.cinfo);
    InitErrors(&job.errors, report);
    job.cinfo.err = &job.errors.pub;
    InitDestinationManager(&job.destination);
    if (setjmp(job.errors.escape)) {
        jpeg_destroy_compress(&job.cinfo);
        free(job.destination.bytes);
        return 0;
    }
    jpeg_create_compress(&job.cinfo);
    job.cinfo.dest = &job.destination.pub;
    job.cinfo.image_width = width;
    job.cinfo.image_height = height;
    job.cinfo.input_components = 3;
    job.cinfo.in_color_space = JCS_EXT_BGR;
    jpeg_set_defaults(&job.cinfo);
    jpeg_set_quality(&job.cinfo, quality, TRUE);
    jpeg_start_compress(&job.cinfo, TRUE);
    while (job.cinfo.next_scanline < job.cinfo.image_height) {
        JSAMPROW row = (JSAMPROW)(topRow + rowStep * (ptrdiff_t)job.cinfo.next_scanline);
        jpeg_write_scanlines(&job.cinfo, &row, 1);
    }
    jpeg_finish_compress(&job.cinfo);
    *outputSize = job.destination.capacity - job.destination.pub.free_in_buffer;
    *output = job.destination.bytes;
    jpeg_destroy_compress(&job.cinfo);
    return 1;
}

void PlexoJpegFree(unsigned char *output)
{
    free(output);
}
