#include "neroapi/WriteDescriptionFields.h"

namespace bb::neroapi {

WriteDescriptionLayout LayoutOfWriteDescription(int compileType) {
    switch (compileType) {
    case 0:
        return {offsetof(neroapi::WriteDescription, mediaMask), offsetof(neroapi::WriteDescription, track)};
    case 1:
        return {kNoField, offsetof(WriteDescriptionType1, track)};
    case 3:
        return {offsetof(WriteDescriptionType3, mediaMask), offsetof(WriteDescriptionType3, track)};
    case 4:
        return {offsetof(WriteDescriptionType4, mediaMask), kNoField};
    case 1001:
        return {offsetof(WriteDescriptionType1001, mediaMask), kNoField};
    default:
        return {};
    }
}

}  // namespace bb::neroapi
