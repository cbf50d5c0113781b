// The user's own sorted collection of subscriber entries (the personal phone book or
// the desktop notes), loaded from one file and written back whole after each change.
//
// Records live in slots that never move; the order array maps positions (list rows)
// to slots. Removing a position only closes the gap in the order; the slot is reused
// after the next load, which packs the records densely. Capacity grows in steps of
// 100 slots and never shrinks. Used on the user-interface thread only.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "store/subscriber_entry.h"

namespace vendarion {

class EntryStore {
public:
    // Replaces the whole content from the file. False for an empty path, an
    // unreadable file, a wrong magic, a negative or impossible count, a truncated
    // record, a level outside 0-7 or bytes after the last record; the store is then
    // left empty.
    [[nodiscard]] bool Load(const std::string& path);
    // Writes the store through a temporary file renamed over path: 0 on success, -1
    // when anything failed, and then the old file is unchanged.
    [[nodiscard]] int Save(const std::string& path) const;
    // The file image of the store (see entry_store_format.h).
    std::string Encode() const;

    // Places a copy of the record in front of every record that compares equal to it
    // and returns its position.
    int Insert(const SubscriberEntry& entry, std::string_view note_text, std::int32_t value);
    // 0, or -1 (changing nothing) when position is outside [0, Count()).
    [[nodiscard]] int RemoveAt(int position);
    // Appends the records at positions [first, first + number) to the outputs (each
    // may be null); 0, or -1 (appending nothing) when the range is not inside the store.
    [[nodiscard]] int CopyOut(int first, int number, std::vector<SubscriberEntry>* entries,
                              std::vector<std::string>* note_texts,
                              std::vector<std::int32_t>* values) const;

    int Count() const { return static_cast<int>(order_.size()); }
    int Capacity() const { return capacity_; }
    // The record at a position; position must be inside [0, Count()).
    const SubscriberEntry& EntryAt(int position) const;
    std::int32_t ValueAt(int position) const;
    const std::string& NoteTextAt(int position) const;
    // Replaces the note text of a record: 0, or -1 (changing nothing) when position is
    // outside [0, Count()).
    [[nodiscard]] int SetNoteText(int position, std::string_view note_text);
    // The position of the first record with this value; -1 when there is none.
    int FindValue(std::int32_t value) const;

    // Order of two entries: folded name, then folded first name, then folded town,
    // each compared byte-wise; -1, 0 or 1.
    static int Compare(const SubscriberEntry& a, const SubscriberEntry& b);

private:
    struct Slot {
        SubscriberEntry entry;
        std::string note_text;
        std::int32_t value = 0;
    };

    void Clear();
    void GrowFor(int slots_needed);

    std::vector<Slot> slots_;  // slots_.size() is the number of slots used
    std::vector<int> order_;   // position -> slot
    int capacity_ = 0;
};

}  // namespace vendarion
