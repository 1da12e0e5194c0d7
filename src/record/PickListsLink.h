#pragma once
// The record form and the pick lists call each other: the layout pass sets up each combo through
// the pick lists, whose change handlers refresh the header and record plain edits.
namespace lists {
class PickLists;
}

namespace record {

class TRecordForm;

// The pick lists must outlive every use of the form's hooks: destroy them just before the window.
void ConnectPickLists(TRecordForm& form, lists::PickLists& pickLists);

} // namespace record
