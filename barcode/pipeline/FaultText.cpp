// The message of a caught fault.
#include "pipeline/FaultText.h"

#include "catalog/Translate.h"

#include <cstdio>
#include <exception>
#include <new>

namespace {

// What the exception being handled says of itself.
const char* DescribeCaughtException() noexcept {
    try {
        throw;
    } catch (const std::bad_alloc&) {
        return GetText(501, 273, false);
    } catch (const std::exception& fault) {
        return fault.what();
    } catch (...) {
        return GetText(501, 274, false);
    }
}

} // namespace

void FormatCaughtFault(char* buffer, size_t size, const char* where) noexcept {
    if (buffer == nullptr || size == 0) return;
    std::snprintf(buffer, size, GetText(501, 270, false), where, DescribeCaughtException());
}
