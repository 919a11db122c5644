#pragma once

// The date check of a record page: when a date entry is left, an invalid date is warned about
// (edtHOZDatumExit decides) and the focus goes back to the entry. The HOZ date and both PPPZ
// dates use it.

namespace lumtaris {

class DateEdit;
class Platform;

void InstallDateLeaveCheck(DateEdit* edit, Platform& platform);

} // namespace lumtaris
