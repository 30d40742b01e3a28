#include "ui/resources/JpegDecoder.h"

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

namespace {

struct ErrorManager {
    jpeg_error_mgr Base;
    std::jmp_buf Escape;
};

[[noreturn]] void OnError(j_common_ptr info) {
    std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->Escape, 1);
}

// Says nothing, but counts warnings: libjpeg warns where data is damaged.
void CountWarning(j_common_ptr info, int level) {
    if (level < 0)
        ++info->err->num_warnings;
}

} // namespace

QImage DecodeJpeg(const QByteArray& data) {
    if (data.isEmpty())
        return {};
    jpeg_decompress_struct info{};
    ErrorManager errors{};
    info.err = jpeg_std_error(&errors.Base);
    errors.Base.error_exit = OnError;
    errors.Base.emit_message = CountWarning;

    // Everything that must survive a longjmp lives outside this frame's automatic variables it changes.
    QImage* volatile image = new QImage;
    if (setjmp(errors.Escape)) {
        jpeg_destroy_decompress(&info);
        delete image;
        return {};
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(data.constData()),
                 static_cast<unsigned long>(data.size()));
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);

    *image = QImage(static_cast<int>(info.output_width), static_cast<int>(info.output_height),
                    QImage::Format_RGB888);
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = image->scanLine(static_cast<int>(info.output_scanline));
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    // libjpeg papers over damaged data with warnings; such a picture counts as broken.
    const bool damaged = errors.Base.num_warnings > 0;
    jpeg_destroy_decompress(&info);
    if (damaged) {
        delete image;
        return {};
    }

    QImage decoded = std::move(*image);
    delete image;
    return decoded;
}
