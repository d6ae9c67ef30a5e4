#include "util/encoding.h"

#include <iconv.h>

#include <cerrno>
#include <mutex>

namespace rekkan {
namespace {

/// One iconv conversion direction; iconv descriptors are not thread-safe, so each use locks.
class Converter {
public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~Converter() {
        if (cd_ != reinterpret_cast<iconv_t>(-1)) iconv_close(cd_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    /// Converts `in`; at each unconvertible sequence calls `onBad(out, in, left)` which must
    /// consume at least one input byte. Returns false when anything was replaced.
    template <typename OnBad>
    bool Run(std::string_view in, std::string& out, OnBad onBad) {
        std::lock_guard lock(mutex_);
        out.clear();
        if (cd_ == reinterpret_cast<iconv_t>(-1)) {
            out.assign(in);
            return false;
        }
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        bool clean = true;
        char* src = const_cast<char*>(in.data());
        std::size_t left = in.size();
        char buffer[4096];
        while (left > 0) {
            char* dst = buffer;
            std::size_t room = sizeof buffer;
            const std::size_t rc = iconv(cd_, &src, &left, &dst, &room);
            out.append(buffer, static_cast<std::size_t>(dst - buffer));
            if (rc == static_cast<std::size_t>(-1)) {
                if (errno == E2BIG) continue;
                clean = false;
                iconv(cd_, nullptr, nullptr, nullptr, nullptr);
                onBad(out, src, left);
            }
        }
        return clean;
    }

private:
    iconv_t cd_;
    std::mutex mutex_;
};

Converter& ToUtf8() {
    static Converter c("UTF-8", "CP932");
    return c;
}

Converter& ToCp932() {
    static Converter c("CP932", "UTF-8");
    return c;
}

std::size_t Utf8SequenceLength(unsigned char b) {
    if (b < 0x80) return 1;
    if ((b & 0xE0) == 0xC0) return 2;
    if ((b & 0xF0) == 0xE0) return 3;
    if ((b & 0xF8) == 0xF0) return 4;
    return 1;
}

}  // namespace

std::string Cp932ToUtf8(std::string_view cp932, bool* lossless) {
    std::string out;
    const bool clean = ToUtf8().Run(cp932, out, [](std::string& o, char*& src, std::size_t& left) {
        o += "\xEF\xBF\xBD";  // U+FFFD
        // A lead byte whose partner is not a valid trail byte stands alone.
        ++src;
        --left;
    });
    if (lossless) *lossless = clean;
    return out;
}

bool Utf8ToCp932(std::string_view utf8, std::string& out) {
    return ToCp932().Run(utf8, out, [](std::string& o, char*& src, std::size_t& left) {
        o += '?';
        std::size_t skip = Utf8SequenceLength(static_cast<unsigned char>(*src));
        if (skip > left) skip = left;
        // Only skip the continuation bytes that really belong to this character.
        std::size_t k = 1;
        while (k < skip && (static_cast<unsigned char>(src[k]) & 0xC0) == 0x80) ++k;
        src += k;
        left -= k;
    });
}

bool IsUtf8(std::string_view bytes) {
    std::size_t i = 0;
    while (i < bytes.size()) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        const std::size_t n = Utf8SequenceLength(b);
        if (n == 1) {
            if (b >= 0x80) return false;  // a continuation byte or 0xF8..0xFF where a character starts
            ++i;
            continue;
        }
        if (i + n > bytes.size()) return false;
        char32_t code = b & (0x7F >> n);
        for (std::size_t k = 1; k < n; ++k) {
            const auto c = static_cast<unsigned char>(bytes[i + k]);
            if ((c & 0xC0) != 0x80) return false;
            code = (code << 6) | (c & 0x3F);
        }
        static constexpr char32_t kLeast[] = {0, 0, 0x80, 0x800, 0x10000};
        if (code < kLeast[n] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return false;
        i += n;
    }
    return true;
}

std::string sj(std::string_view utf8) {
    std::string out;
    if (!Utf8ToCp932(utf8, out)) return std::string(utf8);
    return out;
}

}  // namespace rekkan
