// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "records/check_value.h"

#include "records/record_name.h"

#include <array>
#include <iconv.h>

namespace gp {

namespace {

constexpr std::uint16_t kReplacement = 0x3F;

// glibc's "CP932" is Microsoft's table (U+FF5E is 0x8160), which is what the stored check values
// were computed with; plain Shift_JIS tables differ on a handful of symbols.
class Cp932Encoder
{
public:
    Cp932Encoder() : m_cd(iconv_open("CP932", "UTF-32LE")) {}
    ~Cp932Encoder()
    {
        if (m_cd != iconv_t(-1))
            iconv_close(m_cd);
    }
    Cp932Encoder(const Cp932Encoder&) = delete;
    Cp932Encoder& operator=(const Cp932Encoder&) = delete;

    std::uint16_t code(char32_t character)
    {
        // The converter comes with libc6; should it be missing, ASCII names still check right.
        if (m_cd == iconv_t(-1))
            return character < 0x80 ? std::uint16_t(character) : kReplacement;
        std::array<char, 4> in{};
        for (int i = 0; i < 4; ++i)
            in[i] = char((character >> (8 * i)) & 0xFF);
        std::array<unsigned char, 8> out{};
        char* inPtr = in.data();
        size_t inLeft = in.size();
        char* outPtr = reinterpret_cast<char*>(out.data());
        size_t outLeft = out.size();
        const size_t result = iconv(m_cd, &inPtr, &inLeft, &outPtr, &outLeft);
        iconv(m_cd, nullptr, nullptr, nullptr, nullptr);
        const size_t written = out.size() - outLeft;
        if (result == size_t(-1) || inLeft != 0)
            return kReplacement;
        if (written == 1)
            return out[0];
        if (written == 2)
            return std::uint16_t(out[0] << 8 | out[1]);
        return kReplacement;
    }

private:
    iconv_t m_cd;
};

} // namespace

std::int16_t checkValue(QStringView name, std::int16_t score)
{
    Cp932Encoder encoder;
    std::uint16_t x = 0;
    // By code point, so a character beyond the BMP is one "?"; a stray surrogate, which the
    // converter refuses, is one too.
    for (QStringView c : nameCharacters(name))
        x ^= encoder.code(c.size() == 2 ? QChar::surrogateToUcs4(c[0], c[1]) : c[0].unicode());
    return std::int16_t(std::uint16_t(~std::uint16_t(score) & x));
}

std::int16_t checkValue(const Record& record)
{
    return checkValue(record.holder, record.score);
}

} // namespace gp
