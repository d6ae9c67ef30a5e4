// A hand-written CSV decoder for the business layout of make_business_file, the yardstick of
// records_bench.sh: it knows every offset and kind, allocates nothing per field, builds the
// lines in one output buffer and writes the CSV to a file (or stdout for "-"), the same bytes
// as "rekkan-cli csv" gives for that layout.
//   hand_csv DATA.dat OUT.csv
#include <fcntl.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

constexpr int kRecordLength = 120;
constexpr std::size_t kBlockRecords = 32768;
constexpr std::size_t kOutBytes = 4u << 20;
constexpr std::size_t kLineBound = 512;

/// "00" to "99".
constexpr char kPairs[] =
    "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
    "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
    "8081828384858687888990919293949596979899";

inline char* Text(const std::uint8_t* p, int n, char* o) {
    const void* nul = std::memchr(p, 0, static_cast<std::size_t>(n));
    const std::size_t len = nul ? static_cast<std::size_t>(static_cast<const std::uint8_t*>(nul) - p)
                                : static_cast<std::size_t>(n);
    *o++ = '"';
    if (std::memchr(p, '"', len) == nullptr) {
        std::memcpy(o, p, len);
        o += len;
    } else {
        for (std::size_t i = 0; i < len; ++i) {
            if (p[i] == '"') *o++ = '"';
            *o++ = static_cast<char>(p[i]);
        }
    }
    *o++ = '"';
    *o++ = ',';
    return o;
}

/// Zoned decimal under EBCDIC signs: F-zones, the last zone F, C or D.
inline char* Zoned(const std::uint8_t* p, int n, char* o) {
    *o++ = '"';
    bool ok = true;
    for (int i = 0; i < n - 1; ++i) ok &= (p[i] & 0xF0) == 0xF0 && (p[i] & 0x0F) <= 9;
    const unsigned zone = p[n - 1] >> 4;
    ok &= (p[n - 1] & 0x0F) <= 9 && (zone == 0xF || zone == 0xC || zone == 0xD);
    if (ok) {
        if (zone == 0xD) *o++ = '-';
        int i = 0;
        while (i < n - 1 && p[i] == 0xF0) ++i;
        for (; i < n; ++i) *o++ = static_cast<char>('0' + (p[i] & 0x0F));
    }
    *o++ = '"';
    *o++ = ',';
    return o;
}

/// Packed decimal under EBCDIC signs.
inline char* Packed(const std::uint8_t* p, int n, char* o) {
    *o++ = '"';
    const unsigned sign = p[n - 1] & 0x0F;
    bool ok = sign == 0xF || sign == 0xC || sign == 0xD;
    for (int i = 0; i < n - 1; ++i) ok &= (p[i] >> 4) <= 9 && (p[i] & 0x0F) <= 9;
    ok &= (p[n - 1] >> 4) <= 9;
    if (ok) {
        if (sign == 0xD) *o++ = '-';
        int i = 0;
        while (i < n - 1 && p[i] == 0) ++i;
        if (i < n - 1) {
            if (p[i] >> 4) *o++ = static_cast<char>('0' + (p[i] >> 4));
            *o++ = static_cast<char>('0' + (p[i] & 0x0F));
            for (++i; i < n - 1; ++i) {
                o[0] = static_cast<char>('0' + (p[i] >> 4));
                o[1] = static_cast<char>('0' + (p[i] & 0x0F));
                o += 2;
            }
        }
        *o++ = static_cast<char>('0' + (p[n - 1] >> 4));
    }
    *o++ = '"';
    *o++ = ',';
    return o;
}

/// Signed big-endian 32-bit binary.
inline char* Binary4(const std::uint8_t* p, char* o) {
    *o++ = '"';
    const std::int32_t v = static_cast<std::int32_t>((std::uint32_t{p[0]} << 24) | (std::uint32_t{p[1]} << 16) |
                                                     (std::uint32_t{p[2]} << 8) | p[3]);
    std::uint32_t u = static_cast<std::uint32_t>(v);
    if (v < 0) {
        *o++ = '-';
        u = 0 - u;
    }
    char tmp[12];
    char* q = tmp + sizeof tmp;
    while (u >= 100) {
        q -= 2;
        std::memcpy(q, kPairs + 2 * (u % 100), 2);
        u /= 100;
    }
    if (u >= 10) {
        q -= 2;
        std::memcpy(q, kPairs + 2 * u, 2);
    } else {
        *--q = static_cast<char>('0' + u);
    }
    const std::size_t len = static_cast<std::size_t>(tmp + sizeof tmp - q);
    std::memcpy(o, q, len);
    o += len;
    *o++ = '"';
    *o++ = ',';
    return o;
}

char* Line(const std::uint8_t* r, char* o) {
    o = Zoned(r + 0, 8, o);
    o = Text(r + 8, 20, o);
    o = Text(r + 28, 20, o);
    o = Zoned(r + 48, 11, o);
    for (int k = 0; k < 3; ++k) {
        const std::uint8_t* m = r + 59 + 17 * k;
        o = Packed(m, 5, o);
        o = Binary4(m + 5, o);
        o = Zoned(m + 9, 8, o);
    }
    o = Text(r + 110, 1, o);
    o = Binary4(r + 111, o);
    o = Text(r + 115, 5, o);
    o[-1] = '\r';  // the last value has no comma after it
    *o++ = '\n';
    return o;
}

bool WriteAll(int fd, const char* p, std::size_t n) {
    while (n > 0) {
        const ssize_t w = ::write(fd, p, n);
        if (w <= 0) return false;
        p += w;
        n -= static_cast<std::size_t>(w);
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: hand_csv DATA.dat OUT.csv\n");
        return 2;
    }
    const int in = ::open(argv[1], O_RDONLY);
    const bool toStdout = std::strcmp(argv[2], "-") == 0;
    const int out = toStdout ? 1 : ::open(argv[2], O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (in < 0 || out < 0) return 2;
    std::vector<std::uint8_t> block(kBlockRecords * kRecordLength);
    std::vector<char> buffer(kOutBytes + kLineBound);
    char* o = buffer.data();
    std::size_t have = 0;
    for (;;) {
        const ssize_t got = ::read(in, block.data() + have, block.size() - have);
        if (got < 0) return 2;
        have += static_cast<std::size_t>(got);
        const std::size_t records = have / kRecordLength;
        for (std::size_t i = 0; i < records; ++i) {
            o = Line(block.data() + i * kRecordLength, o);
            if (static_cast<std::size_t>(o - buffer.data()) >= kOutBytes) {
                if (!WriteAll(out, buffer.data(), static_cast<std::size_t>(o - buffer.data()))) return 2;
                o = buffer.data();
            }
        }
        const std::size_t used = records * kRecordLength;
        std::memmove(block.data(), block.data() + used, have - used);
        have -= used;
        if (got == 0) break;
    }
    if (!WriteAll(out, buffer.data(), static_cast<std::size_t>(o - buffer.data()))) return 2;
    return toStdout || ::close(out) == 0 ? 0 : 2;
}
