// What a file dialog of the window is for.
#pragma once

namespace chainadj::ui {

enum class FileDialogPurpose { OpenData, SaveData, SaveReportPdf };

}  // namespace chainadj::ui
