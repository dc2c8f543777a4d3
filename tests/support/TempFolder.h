// A folder of files written by a test, removed with everything in it when
// the object goes, so that a test can name its files as a user would.
#pragma once

#include <string>

class CTempFolder {
public:
    CTempFolder();
    ~CTempFolder();
    CTempFolder(const CTempFolder&) = delete;
    CTempFolder& operator=(const CTempFolder&) = delete;

    // Writes text to the file name in the folder and returns its path.
    std::string Write(const std::string& name, const std::string& text) const;
    // The path of name in the folder, written or not.
    std::string PathOf(const std::string& name) const { return m_folder + "/" + name; }

private:
    std::string m_folder;
};
