// Produces the bytes of one structural piece of a planned image.
#pragma once

#include <cstdint>
#include <vector>

#include "recorder/image/ImageLayout.h"

namespace bb::recorder::image {

// Fills `out` (resized to piece.sectors x 2048 bytes) with the piece's
// sectors. FileData pieces are not rendered here: the writer streams them.
void RenderPiece(const Layout& layout, const Piece& piece, std::vector<uint8_t>& out);

}  // namespace bb::recorder::image
