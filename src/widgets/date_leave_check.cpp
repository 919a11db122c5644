#include "widgets/date_leave_check.hpp"

#include "hoz/hoz_list.hpp"
#include "platform/core_text.hpp"
#include "platform/platform.hpp"
#include "widgets/date_edit.hpp"

namespace lumtaris {

void InstallDateLeaveCheck(DateEdit* edit, Platform& platform)
{
    QObject::connect(edit, &DateEdit::Left, edit, [edit, &platform] {
        // The entry shows only code page 1250 characters, so the conversion cannot fail.
        const auto warning = edtHOZDatumExit(ToCore(edit->DottedText()).value_or(std::string()));
        if (!warning)
            return;
        platform.MessageBox(FromUtf8(kDateWarningCaption), FromUtf8(*warning), MessageIcon::Warning,
                            MessageButtons::Ok);
        edit->setFocus();
    });
}

} // namespace lumtaris
