#pragma once
// Where the program keeps its files on this computer: the settings, the data files, the PDF
// printouts made when no printer is installed, and the compiled help.

#include <QString>
#include <string>

namespace tavix {

// The settings file TVX.ini in the user's configuration folder (created when missing).
std::string SettingsFilePath();

// The folder the data files are read from and saved to: the working directory when it holds any
// data file (HoldsDataFiles), otherwise a per-user data folder first filled with the supplied data
// files (existing files are never overwritten). When that folder cannot be made or filled, `problem`
// says so with the system's reason, and the folder of the supplied files is chosen when it has them.
std::string ChooseDataFolder(std::string* problem = nullptr);

// Where printouts go as PDF files when no printer is installed: "Tavix printouts" in the user's
// documents folder, or $TAVIX_PRINTOUT_DIR when set. Not created here.
std::string PrintoutFolder();

// The compiled help collection (tavix.qhc), installed or beside the build; empty when not found.
QString FindHelpCollection();

// The desktop module (libtavix_desktop.so): beside the program in a build folder, in the
// program's own library folder once installed; empty when not found.
std::string FindDesktopModule();

// The folder the program runs from (the working directory when Qt cannot say).
QString ExecutableDir();

// The folder of the supplied data files (TavixSE.dat ...) that came with the program; empty when
// not found.
QString FindSuppliedDataFolder();

}  // namespace tavix
