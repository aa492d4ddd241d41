#include "textcore/separators.h"

#include "textcore/edittools.h"

namespace textcore {

BoundaryConversion ConvertBoundaries(std::u16string_view text, char16_t target)
{
    BoundaryConversion result;
    result.text.assign(text);
    for (std::size_t i = 0; i < result.text.size(); ++i) {
        if (isBoundary(result.text[i])) {
            result.text[i] = target;
            result.changedPositions.push_back(i);
        }
    }
    return result;
}

ReplaceBySeparatorResult ReplaceBySeparator(std::u16string_view text, std::u16string_view selection,
                                            std::u16string_view separator)
{
    if (selection.empty())
        return {ReplaceBySeparatorOutcome::NothingSelected, std::u16string(text)};
    if (selection == separator)
        return {ReplaceBySeparatorOutcome::SelectionIsSeparator, std::u16string(text)};
    return {ReplaceBySeparatorOutcome::Replaced, replaceRepeatedly(text, selection, separator)};
}

} // namespace textcore
