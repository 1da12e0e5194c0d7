#include "PickListsLink.h"

#include "lists/PickLists.h"
#include "record/RecordForm.h"

namespace record {

void ConnectPickLists(TRecordForm& form, lists::PickLists& p) {
    TLayout::ListHooks& hooks = form.Layout.Lists;
    hooks.CBoxEvents = [&p](QComboBox* box, int page, int index, const DescriptorKeys* keys) {
        p.CBoxEvents(box, page, index, keys);
    };
    hooks.AttachKeyDown = [&p](QWidget* edit) { p.AttachKeyDown(edit); };
    hooks.BeginLayoutPass = [&p] { p.BeginLayoutPass(); };
    hooks.LayoutPassDone = [&p] { p.LayoutPassDone(); };
    THeader& header = form.Header;
    p.setInfoNVO = [&header] { header.setInfoNVO(); };
    p.setInfoTitre = [&header] { header.setInfoTitre(); };
    p.setInfoField1 = [&header] { header.setInfoField1(); };
    p.setInfoField2 = [&header] { header.setInfoField2(); };
    TChangeTracker& changes = form.Changes;
    p.EditChange = [&changes](QWidget* sender) { changes.EditChange(sender); };
    p.TestPageUpdate = [&changes](int page) { return changes.TestPageUpdate(page); };
    TRecordLock& lock = form.Lock;
    p.GoTestVerrou = [&lock] { return lock.GoTestVerrou(); };
    p.GoOnKeyDown = [&lock](QWidget* sender, int& key) { lock.GoOnKeyDown(sender, key); };
    p.GoOnKeyPress = [&lock](QWidget* sender, QChar& key) { lock.GoOnKeyPress(sender, key); };
}

} // namespace record
