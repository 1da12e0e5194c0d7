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
    TLayout& layout = form.Layout;
    p.EditChange = [&layout](QWidget* sender) { layout.EditChange(sender); };
}

} // namespace record
