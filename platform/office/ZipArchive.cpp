#include "platform/office/ZipArchive.h"

#include "platform/office/OfficeError.h"

#include <zip.h>

#include <memory>

namespace {

constexpr zip_uint64_t MaxEntrySize = 256u << 20;
constexpr zip_uint64_t MaxTotalSize = 512u << 20;
constexpr zip_int64_t MaxEntries = 10000;

struct TZipCloser {
    void operator()(zip_t* archive) const { zip_discard(archive); }
};
struct TZipFileCloser {
    void operator()(zip_file_t* file) const { zip_fclose(file); }
};

std::string ZipErrorText(zip_error_t* error) {
    const std::string text = zip_error_strerror(error);
    zip_error_fini(error);
    return text;
}

} // namespace

TZipEntries ReadZipArchive(std::string_view bytes) {
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* source = zip_source_buffer_create(bytes.data(), bytes.size(), 0, &error);
    if (!source)
        throw EOfficeError("Not a zip package: " + ZipErrorText(&error));
    std::unique_ptr<zip_t, TZipCloser> archive(zip_open_from_source(source, ZIP_RDONLY, &error));
    if (!archive) {
        zip_source_free(source);
        throw EOfficeError("Not a zip package: " + ZipErrorText(&error));
    }
    zip_error_fini(&error);
    const zip_int64_t count = zip_get_num_entries(archive.get(), 0);
    if (count < 0 || count > MaxEntries)
        throw EOfficeError("Not a zip package: too many entries");
    TZipEntries entries;
    zip_uint64_t total = 0;
    for (zip_int64_t i = 0; i < count; ++i) {
        zip_stat_t stat;
        if (zip_stat_index(archive.get(), i, 0, &stat) != 0 || !(stat.valid & ZIP_STAT_NAME) ||
            !(stat.valid & ZIP_STAT_SIZE))
            throw EOfficeError("Damaged zip package");
        total += stat.size;
        if (stat.size > MaxEntrySize || total > MaxTotalSize)
            throw EOfficeError("Zip package too large");
        std::unique_ptr<zip_file_t, TZipFileCloser> file(zip_fopen_index(archive.get(), i, 0));
        if (!file)
            throw EOfficeError(std::string("Damaged zip package entry ") + stat.name);
        std::string content(stat.size, '\0');
        zip_uint64_t done = 0;
        while (done < stat.size) {
            const zip_int64_t n = zip_fread(file.get(), content.data() + done, stat.size - done);
            if (n <= 0)
                throw EOfficeError(std::string("Damaged zip package entry ") + stat.name);
            done += static_cast<zip_uint64_t>(n);
        }
        entries[stat.name] = std::move(content);
    }
    return entries;
}

std::string WriteZipArchive(const TZipEntries& entries) {
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* target = zip_source_buffer_create(nullptr, 0, 0, &error);
    if (!target)
        throw EOfficeError("Cannot make a zip package: " + ZipErrorText(&error));
    // The archive writes into target; target is kept for reading the result afterwards.
    zip_source_keep(target);
    std::unique_ptr<zip_source_t, decltype(&zip_source_free)> keep(target, zip_source_free);
    zip_t* archive = zip_open_from_source(target, ZIP_TRUNCATE, &error);
    if (!archive)
        throw EOfficeError("Cannot make a zip package: " + ZipErrorText(&error));
    zip_error_fini(&error);
    for (const auto& [name, content] : entries) {
        zip_source_t* part = zip_source_buffer(archive, content.data(), content.size(), 0);
        if (!part || zip_file_add(archive, name.c_str(), part, ZIP_FL_ENC_UTF_8) < 0) {
            zip_source_free(part);
            const std::string text = zip_strerror(archive);
            zip_discard(archive);
            throw EOfficeError("Cannot make a zip package: " + text);
        }
    }
    if (zip_close(archive) != 0) {
        const std::string text = zip_strerror(archive);
        zip_discard(archive);
        throw EOfficeError("Cannot make a zip package: " + text);
    }
    zip_stat_t stat;
    if (zip_source_stat(target, &stat) != 0 || zip_source_open(target) != 0)
        throw EOfficeError("Cannot make a zip package");
    std::string bytes(stat.size, '\0');
    const zip_int64_t n = zip_source_read(target, bytes.data(), stat.size);
    zip_source_close(target);
    if (n < 0 || static_cast<zip_uint64_t>(n) != stat.size)
        throw EOfficeError("Cannot make a zip package");
    return bytes;
}
