#include "platform/zul/dialect/JetFunctionNames.h"

#include <algorithm>
#include <cstring>
#include <iterator>

namespace {

using Kind = JetFunctionNames::Kind;

// Sorted by jet name for the binary search.
constexpr JetFunctionNames::Entry kFunctions[] = {
    {"ABS", "jet_abs", true, Kind::Rename},
    {"ASC", "jet_asc", true, Kind::Rename},
    {"ASCW", "jet_ascw", true, Kind::Rename},
    {"AVG", nullptr, true, Kind::Native},
    {"CBOOL", "jet_cbool", true, Kind::Rename},
    {"CBYTE", "jet_cbyte", true, Kind::Rename},
    {"CCUR", "jet_ccur", true, Kind::Rename},
    {"CDATE", "jet_cdate", true, Kind::Rename},
    {"CDBL", "jet_cdbl", true, Kind::Rename},
    {"CHOOSE", "jet_choose", false, Kind::Rename},
    {"CHR", "jet_chr", false, Kind::Rename},
    {"CHRW", "jet_chrw", false, Kind::Rename},
    {"CINT", "jet_cint", true, Kind::Rename},
    {"CLNG", "jet_clng", true, Kind::Rename},
    {"COUNT", nullptr, true, Kind::Native},
    {"CSNG", "jet_csng", true, Kind::Rename},
    {"CSTR", "jet_cstr", false, Kind::Rename},
    {"DATE", "jet_date", true, Kind::Rename},
    {"DATEADD", "jet_dateadd", true, Kind::Rename},
    {"DATEDIFF", "jet_datediff", true, Kind::Rename},
    {"DATEPART", "jet_datepart", true, Kind::Rename},
    {"DATESERIAL", "jet_dateserial", true, Kind::Rename},
    {"DATEVALUE", "jet_datevalue", true, Kind::Rename},
    {"DAY", "jet_day", true, Kind::Rename},
    {"FIRST", "jet_first", false, Kind::Rename},
    {"FIX", "jet_fix", true, Kind::Rename},
    {"FORMAT", "jet_format", false, Kind::Rename},
    {"HOUR", "jet_hour", true, Kind::Rename},
    {"IIF", "iif", false, Kind::Rename},
    {"INSTR", "jet_instr", true, Kind::Rename},
    {"INT", "jet_int", true, Kind::Rename},
    {"ISNULL", nullptr, true, Kind::IsNull},
    {"ISNUMERIC", "jet_isnumeric", true, Kind::Rename},
    {"LAST", "jet_last", false, Kind::Rename},
    {"LCASE", "jet_lcase", false, Kind::Rename},
    {"LEFT", "jet_left", false, Kind::Rename},
    {"LEN", "jet_len", true, Kind::Rename},
    {"LTRIM", "jet_ltrim", false, Kind::Rename},
    {"MID", "jet_mid", false, Kind::Rename},
    {"MINUTE", "jet_minute", true, Kind::Rename},
    {"MONTH", "jet_month", true, Kind::Rename},
    {"NOW", "jet_now", true, Kind::Rename},
    {"NZ", "jet_nz", false, Kind::Rename},
    {"REPLACE", "jet_replace", false, Kind::Rename},
    {"RIGHT", "jet_right", false, Kind::Rename},
    {"ROUND", "jet_round", true, Kind::Rename},
    {"RTRIM", "jet_rtrim", false, Kind::Rename},
    {"SECOND", "jet_second", true, Kind::Rename},
    {"SGN", "jet_sgn", true, Kind::Rename},
    {"SPACE", "jet_space", false, Kind::Rename},
    {"STR", "jet_str", false, Kind::Rename},
    {"STRCOMP", "jet_strcomp", true, Kind::Rename},
    {"STRING", "jet_string", false, Kind::Rename},
    {"SUM", nullptr, true, Kind::Native},
    {"SWITCH", "jet_switch", false, Kind::Rename},
    {"TIME", "jet_time", true, Kind::Rename},
    {"TIMESERIAL", "jet_timeserial", true, Kind::Rename},
    {"TIMEVALUE", "jet_timevalue", true, Kind::Rename},
    {"TRIM", "jet_trim", false, Kind::Rename},
    {"UCASE", "jet_ucase", false, Kind::Rename},
    {"VAL", "jet_val", true, Kind::Rename},
    {"WEEKDAY", "jet_weekday", true, Kind::Rename},
    {"YEAR", "jet_year", true, Kind::Rename},
};

}  // namespace

const JetFunctionNames::Entry* JetFunctionNames::Lookup(QStringView name) {
  if (name.endsWith(u'$')) name.chop(1);
  if (name.size() < 2 || name.size() > 12) return nullptr;
  char buf[13];
  for (qsizetype i = 0; i < name.size(); ++i) {
    const char16_t c = name[i].unicode();
    if (c >= u'a' && c <= u'z') {
      buf[i] = static_cast<char>(c - 32);
    } else if (c < 128) {
      buf[i] = static_cast<char>(c);
    } else {
      return nullptr;
    }
  }
  buf[name.size()] = 0;
  const auto* end = std::end(kFunctions);
  const auto* it = std::lower_bound(std::begin(kFunctions), end, buf,
                                    [](const Entry& f, const char* k) { return std::strcmp(f.jet, k) < 0; });
  return it != end && std::strcmp(it->jet, buf) == 0 ? it : nullptr;
}
