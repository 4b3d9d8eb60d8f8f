#include "editor/symbols/StoredValues.h"

#include "editor/symbols/NetSymbol.h"

namespace {

// A damaged file may hold texts of any length; the message quotes their beginnings.
constexpr int32_t kQuotedLength = 40;

}  // namespace

StoredValueError::StoredValueError(const NetSymbol& owner, const MyStrng& text)
    : pf::ArchiveError(pf::ArchiveError::Kind::BadCount,
                       (owner.GetElementName().Mid(1, kQuotedLength) + ": Wert ungültig: " +
                        text.Mid(1, kQuotedLength))
                           .ToCString()) {}
