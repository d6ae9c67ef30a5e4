#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "codec/codec_options.h"
#include "records/field_entry.h"

namespace rekkan {

/// What to profile: a data file, the layout's field list at its length and base, the options.
struct ProfileRequest {
    std::string path;               ///< data file, CP932
    std::int64_t basePosition = 0;  ///< 0-based
    int recordLength = 0;
    const std::vector<TRdbObj>* fields = nullptr;
    CodecOptions codec;
    std::int64_t sampleSize = 0;  ///< records looked at; 0: DefaultSampleSize
};

/// What one field holds over the records looked at. Values are the display texts.
struct FieldProfile {
    std::size_t entry = 0;  ///< index of the entry in the field list
    std::int64_t valid = 0;
    std::int64_t invalid = 0;
    std::int64_t blank = 0;  ///< bytes all blanks, text of blanks only, or text and decimals all 0x00
    std::int64_t zero = 0;   ///< numbers whose value is zero
    bool numeric = false;    ///< values are ordered as numbers (else by their bytes)
    std::string minimum;     ///< smallest valid value (empty when there is none)
    std::string maximum;
    std::int64_t distinct = 0;  ///< distinct valid values, exact or estimated
    bool distinctExact = true;
    std::size_t exactLimit = 0;  ///< distinct values counted exactly at most
    struct Value {
        std::string text;
        std::int64_t count = 0;
    };
    std::vector<Value> mostFrequent;  ///< best first; among the first exactLimit distinct values
};

/// The profile of every non-group field.
struct ProfileResult {
    bool opened = false;
    bool readFailed = false;
    std::int64_t recordCount = 0;  ///< records of the file
    std::int64_t checked = 0;      ///< records looked at
    std::vector<FieldProfile> fields;
};

/// Most frequent values kept per field.
inline constexpr std::size_t kMostFrequent = 5;

/// Profiles the fields over the sample: counts, minimum and maximum, distinct values, the most
/// frequent values. Memory stays bounded whatever the file size.
[[nodiscard]] ProfileResult ProfileFields(const ProfileRequest& request);

/// Orders two decimal texts ("-12", "3.50", "1.5E+10") by value: < 0, 0 or > 0.
[[nodiscard]] int CompareNumberText(std::string_view a, std::string_view b);

/// True for a number text whose value is zero ("0", "-0.00").
[[nodiscard]] bool IsZeroText(std::string_view text);

}  // namespace rekkan
