// Making, burning and releasing ISO tracks, with the adapters old libraries
// need around the track object.
#include <cstring>
#include <new>

#include "neroapi/LoadedLibrary.h"
#include "neroapi/NeroApiLib.h"
#include "neroapi/NeroFunctions.h"
#include "neroapi/WriteDescriptionFields.h"

namespace bb::neroapi {
namespace {

using detail::Lookup;

// The record's fields are reached by offset (the layout depends on the
// compile type), so they are read and written by copy.
uint32_t ReadMask(const unsigned char* field) {
    uint32_t value;
    std::memcpy(&value, field, sizeof value);
    return value;
}
void WriteMask(unsigned char* field, uint32_t value) { std::memcpy(field, &value, sizeof value); }
neroapi::IsoTrack* ReadTrack(const unsigned char* field) {
    neroapi::IsoTrack* track;
    std::memcpy(&track, field, sizeof track);
    return track;
}
void WriteTrack(unsigned char* field, neroapi::IsoTrack* track) { std::memcpy(field, &track, sizeof track); }

// The old library sees an old-table object where the record holds a track.
neroapi::IsoTrack* AsLibraryTrack(CNewIsoTrackAsOld* adapter) {
    return reinterpret_cast<neroapi::IsoTrack*>(static_cast<neroapi::IsoTrackOld*>(adapter));
}

}  // namespace

neroapi::IsoTrack* NeroCreateIsoTrackEx(neroapi::IsoItem* root, const char* name, uint32_t isoFlags) {
    auto f = Lookup<neroapi::FnNeroCreateIsoTrackEx>("NeroCreateIsoTrackEx");
    if (!f) return nullptr;
    const VersionReading version = ReadApiVersion();

    neroapi::IsoTrack* track = nullptr;
    if ((isoFlags & neroapi::kIsoArgsRecord) && name && NeedsIsoArgsCopy(version)) {
        // Up to 5.5.9.25 the first field of the argument record must be 0;
        // they get a cleared copy so the caller's record stays as it was.
        neroapi::IsoTrackArgs copy;
        std::memcpy(&copy, name, sizeof copy);
        copy.fields[0] = 0;
        track = f.call(root, reinterpret_cast<const char*>(&copy), isoFlags);
    } else {
        track = f.call(root, name, isoFlags);
    }
    if (!track || !ReturnsOldTrack(version)) return track;

    auto* old = reinterpret_cast<neroapi::IsoTrackOld*>(track);
    auto* adapter = new (std::nothrow) COldIsoTrackAsNew(old, 1);
    if (!adapter) {
        if (auto release = Lookup<neroapi::FnNeroFreeIsoTrack>("NeroFreeIsoTrack")) release.call(track);
        return nullptr;
    }
    return adapter;
}

void NeroFreeIsoTrack(neroapi::IsoTrack* track) {
    auto f = Lookup<neroapi::FnNeroFreeIsoTrack>("NeroFreeIsoTrack");
    if (!f) return;
    if (!track || !UsesOldTrackLayout(ReadApiVersion())) {
        f.call(track);
        return;
    }
    // The library releases what it gets through operation 0 of the old
    // table; the owning adapter passes that on to the program's track.
    auto* adapter = new (std::nothrow) CNewIsoTrackAsOld(track, 1);
    if (!adapter) return;
    f.call(AsLibraryTrack(adapter));
}

int NeroBurn(neroapi::DeviceHandle device, int compileType, void* writeDescription, uint32_t burnFlags,
             uint32_t speedKBs, neroapi::LibProgressRecord* progress) {
    auto f = Lookup<neroapi::FnNeroBurn>("NeroBurn");
    if (!f) return 1;
    if (!writeDescription) return f.call(device, compileType, writeDescription, burnFlags, speedKBs, progress);

    const VersionReading version = ReadApiVersion();
    const WriteDescriptionLayout layout = LayoutOfWriteDescription(compileType);
    auto* record = static_cast<unsigned char*>(writeDescription);

    if (layout.mediaMask != kNoField) {
        unsigned char* field = record + layout.mediaMask;
        WriteMask(field, ConvertMediaMaskFor(version, ReadMask(field), true));
    }

    neroapi::IsoTrack* ownTrack = nullptr;
    CNewIsoTrackAsOld* adapter = nullptr;
    if (layout.track != kNoField && UsesOldTrackLayout(version)) {
        ownTrack = ReadTrack(record + layout.track);
        if (ownTrack) {
            adapter = new (std::nothrow) CNewIsoTrackAsOld(ownTrack, 0);
            // An old library cannot use the current table: without an
            // adapter the burn cannot be made.
            if (!adapter) return 1;
            WriteTrack(record + layout.track, AsLibraryTrack(adapter));
        }
    }

    const int result = f.call(device, compileType, writeDescription, burnFlags, speedKBs, progress);

    if (adapter) {
        ReleaseIsoTrackAdapter(adapter);
        WriteTrack(record + layout.track, ownTrack);
    }
    return result;
}

}  // namespace bb::neroapi
