#include "personal/entry_store.h"

#include <algorithm>
#include <cassert>
#include <cstring>

#include "base/atomic_file.h"
#include "base/byte_view.h"
#include "base/fold_text.h"
#include "personal/entry_store_format.h"

namespace vendarion {
namespace {

constexpr int kCapacityStep = 100;
// Folding works on at most this many bytes, terminating zero included.
constexpr std::size_t kFoldCapacity = 1024;

// Reads one zero-ended text at *offset and moves past its zero byte.
bool ReadText(ByteView bytes, std::size_t* offset, std::string* out) {
    if (*offset >= bytes.size()) return false;
    const auto* start = bytes.data() + *offset;
    const auto* end =
        static_cast<const std::uint8_t*>(std::memchr(start, 0, bytes.size() - *offset));
    if (end == nullptr) return false;
    out->assign(reinterpret_cast<const char*>(start), static_cast<std::size_t>(end - start));
    *offset += out->size() + 1;
    return true;
}

bool ReadI32(ByteView bytes, std::size_t* offset, std::int32_t* out) {
    if (!bytes.I32(*offset, out)) return false;
    *offset += 4;
    return true;
}

// A text is written up to its first zero byte, so that no field can shift the
// records that follow it.
void AppendText(std::string_view text, std::string* out) {
    out->append(text.substr(0, text.find('\0')));
    out->push_back('\0');
}

void AppendU32(std::uint32_t value, std::string* out) {
    for (int shift = 0; shift < 32; shift += 8) {
        out->push_back(static_cast<char>((value >> shift) & 0xFF));
    }
}

int CompareField(const SubscriberEntry& a, const SubscriberEntry& b, EntryField field) {
    char folded_a[kFoldCapacity];
    char folded_b[kFoldCapacity];
    const std::size_t length_a = FoldText(a[field], folded_a, sizeof folded_a);
    const std::size_t length_b = FoldText(b[field], folded_b, sizeof folded_b);
    return CompareFolded({folded_a, length_a}, {folded_b, length_b}, -1);
}

int CapacityFor(int count) { return (count / kCapacityStep + 1) * kCapacityStep; }

}  // namespace

void EntryStore::Clear() {
    slots_ = {};
    order_ = {};
    capacity_ = 0;
}

void EntryStore::GrowFor(int slots_needed) {
    if (slots_needed <= capacity_) return;
    capacity_ = CapacityFor(capacity_);
    slots_.reserve(static_cast<std::size_t>(capacity_));
    order_.reserve(static_cast<std::size_t>(capacity_));
}

bool EntryStore::Load(const std::string& path) {
    Clear();
    std::string file;
    if (path.empty() || !ReadFileContents(path, &file)) return false;
    const ByteView bytes(file);
    std::uint32_t magic = 0;
    std::int32_t count = 0;
    if (!bytes.U32(0, &magic) || magic != entry_store_format::kMagic) return false;
    if (!bytes.I32(4, &count) || count < 0) return false;
    // Every record takes at least kMinRecordSize bytes: a count the file cannot hold
    // is refused before anything is allocated for it.
    const std::size_t body = bytes.size() - entry_store_format::kHeaderSize;
    if (static_cast<std::size_t>(count) > body / entry_store_format::kMinRecordSize) return false;

    std::vector<Slot> slots(static_cast<std::size_t>(count));
    std::size_t offset = entry_store_format::kHeaderSize;
    for (Slot& slot : slots) {
        for (std::string& field : slot.entry.fields) {
            if (!ReadText(bytes, &offset, &field)) return false;
        }
        // Levels outside the sub-entry depths come only from damage; refusing them
        // keeps absurd values away from every use of the level.
        if (!ReadI32(bytes, &offset, &slot.entry.level) || slot.entry.level < 0 ||
            slot.entry.level > kDeepestLevel) {
            return false;
        }
        if (!bytes.U8(offset++, &slot.entry.flag)) return false;
        if (!ReadText(bytes, &offset, &slot.note_text)) return false;
        if (!ReadI32(bytes, &offset, &slot.value)) return false;
    }
    if (offset != bytes.size()) return false;

    capacity_ = CapacityFor(count);
    slots_ = std::move(slots);
    slots_.reserve(static_cast<std::size_t>(capacity_));
    order_.resize(slots_.size());
    for (int i = 0; i < count; ++i) order_[static_cast<std::size_t>(i)] = i;
    return true;
}

std::string EntryStore::Encode() const {
    std::string out;
    AppendU32(entry_store_format::kMagic, &out);
    AppendU32(static_cast<std::uint32_t>(Count()), &out);
    for (const int slot_number : order_) {
        const Slot& slot = slots_[static_cast<std::size_t>(slot_number)];
        for (const std::string& field : slot.entry.fields) AppendText(field, &out);
        AppendU32(static_cast<std::uint32_t>(slot.entry.level), &out);
        out.push_back(static_cast<char>(slot.entry.flag));
        AppendText(slot.note_text, &out);
        AppendU32(static_cast<std::uint32_t>(slot.value), &out);
    }
    return out;
}

int EntryStore::Save(const std::string& path) const {
    if (path.empty()) return -1;
    return ReplaceFileContents(path, Encode()) ? 0 : -1;
}

int EntryStore::Compare(const SubscriberEntry& a, const SubscriberEntry& b) {
    for (const EntryField field : {EntryField::kName, EntryField::kFirstName, EntryField::kTown}) {
        const int result = CompareField(a, b, field);
        if (result != 0) return result;
    }
    return 0;
}

int EntryStore::Insert(const SubscriberEntry& entry, std::string_view note_text,
                       std::int32_t value) {
    GrowFor(static_cast<int>(slots_.size()) + 1);
    const auto place = std::find_if(order_.begin(), order_.end(), [&](int slot_number) {
        return Compare(entry, slots_[static_cast<std::size_t>(slot_number)].entry) <= 0;
    });
    const auto position = static_cast<int>(place - order_.begin());
    order_.insert(place, static_cast<int>(slots_.size()));
    slots_.push_back({entry, std::string(note_text), value});
    return position;
}

int EntryStore::RemoveAt(int position) {
    if (position < 0 || position >= Count()) return -1;
    order_.erase(order_.begin() + position);
    return 0;
}

int EntryStore::CopyOut(int first, int number, std::vector<SubscriberEntry>* entries,
                        std::vector<std::string>* note_texts,
                        std::vector<std::int32_t>* values) const {
    if (first < 0 || number < 0 || number > Count() - first) return -1;
    for (int position = first; position < first + number; ++position) {
        const Slot& slot =
            slots_[static_cast<std::size_t>(order_[static_cast<std::size_t>(position)])];
        if (entries != nullptr) entries->push_back(slot.entry);
        if (note_texts != nullptr) note_texts->push_back(slot.note_text);
        if (values != nullptr) values->push_back(slot.value);
    }
    return 0;
}

const SubscriberEntry& EntryStore::EntryAt(int position) const {
    assert(position >= 0 && position < Count());
    return slots_[static_cast<std::size_t>(order_[static_cast<std::size_t>(position)])].entry;
}

std::int32_t EntryStore::ValueAt(int position) const {
    assert(position >= 0 && position < Count());
    return slots_[static_cast<std::size_t>(order_[static_cast<std::size_t>(position)])].value;
}

const std::string& EntryStore::NoteTextAt(int position) const {
    assert(position >= 0 && position < Count());
    return slots_[static_cast<std::size_t>(order_[static_cast<std::size_t>(position)])].note_text;
}

int EntryStore::SetNoteText(int position, std::string_view note_text) {
    if (position < 0 || position >= Count()) return -1;
    slots_[static_cast<std::size_t>(order_[static_cast<std::size_t>(position)])].note_text =
        note_text;
    return 0;
}

int EntryStore::FindValue(std::int32_t value) const {
    for (int position = 0; position < Count(); ++position) {
        if (ValueAt(position) == value) return position;
    }
    return -1;
}

}  // namespace vendarion
