// The ISO track object handed to the program: our own copy of its item tree,
// the volume label and the track flags, behind the operation table every
// program of interface 5.5.9.16 and later expects.
#pragma once

#include "neroapi/NeroRecords.h"
#include "recorder/image/ImageWriter.h"

#include <string>

namespace bb::recorder::library {

class LibIsoTrack final : public neroapi::IsoTrack {
public:
    LibIsoTrack(image::Node root, std::string label, uint32_t flags);

    const image::Node& Root() const { return m_root; }
    const std::string& Label() const { return m_label; }
    uint32_t Flags() const { return m_flags; }
    // False once destroyed without being freed (Destroy without bit 0x1).
    bool HasContent() const { return m_hasContent; }

    // Operation 0: releases the content; with bit 0x1 the object too.
    void Destroy(uint32_t flags) override;

    // Neither the program nor the library calls operations 1 to 29; they
    // answer neutrally (0, outputs cleared) so a caller that probes them
    // finds a well-behaved object.
    intptr_t Op1(intptr_t, intptr_t) override { return 0; }
    intptr_t Op2(intptr_t, intptr_t) override { return 0; }
    intptr_t Op3(intptr_t, intptr_t) override { return 0; }
    intptr_t Op4(intptr_t, intptr_t) override { return 0; }
    intptr_t Op5() override { return 0; }
    intptr_t Op6() override { return 0; }
    intptr_t Op7(intptr_t) override { return 0; }
    intptr_t Op8() override { return 0; }
    intptr_t Op9(intptr_t* out1, intptr_t* out2) override;
    intptr_t Op10(intptr_t, intptr_t) override { return 0; }
    intptr_t Op11(intptr_t, intptr_t) override { return 0; }
    intptr_t Op12() override { return 0; }
    intptr_t Op13(intptr_t) override { return 0; }
    intptr_t Op14(intptr_t, intptr_t) override { return 0; }
    intptr_t Op15(intptr_t, intptr_t) override { return 0; }
    intptr_t Op16(intptr_t, intptr_t) override { return 0; }
    intptr_t Op17(intptr_t, intptr_t) override { return 0; }
    intptr_t Op18(intptr_t, intptr_t) override { return 0; }
    intptr_t Op19(intptr_t, intptr_t) override { return 0; }
    intptr_t Op20() override { return 0; }
    intptr_t Op21(intptr_t, intptr_t) override { return 0; }
    intptr_t Op22(intptr_t, intptr_t) override { return 0; }
    intptr_t Op23(intptr_t, intptr_t) override { return 0; }
    intptr_t Op24(intptr_t, intptr_t) override { return 0; }
    intptr_t Op25(intptr_t, intptr_t) override { return 0; }
    intptr_t Op26(intptr_t, intptr_t) override { return 0; }
    intptr_t Op27(intptr_t, intptr_t) override { return 0; }
    intptr_t Op28() override { return 0; }
    void Op29(intptr_t* o1, intptr_t* o2, intptr_t* o3, intptr_t* o4, intptr_t* o5, intptr_t* o6,
              intptr_t* o7, intptr_t* o8) override;

private:
    ~LibIsoTrack() = default;

    image::Node m_root;
    std::string m_label;
    uint32_t m_flags;
    bool m_hasContent = true;
};

// Our track behind a pointer from the program; null for a pointer we never
// handed out or already freed.
LibIsoTrack* FindTrack(const neroapi::IsoTrack* track);

struct TreeCopy {
    bool ok = false;
    std::string error;  // why the tree was refused
    image::Node root;   // a folder holding the top-level items
};

// Reads the program's item forest: `first` and its `next` chain are the top
// level. Refuses text fields without a terminator within their width, items
// without a name, cycles and trees deeper than any file system allows.
TreeCopy CopyItemTree(const neroapi::IsoItem* first);

}  // namespace bb::recorder::library
