#include "TempFolder.h"

#include <filesystem>
#include <fstream>
#include <system_error>

#include <stdlib.h>

CTempFolder::CTempFolder()
{
    char folder[] = "/tmp/torvaly-test-XXXXXX";
    if (mkdtemp(folder) != nullptr)
        m_folder = folder;
}

CTempFolder::~CTempFolder()
{
    std::error_code error;
    if (!m_folder.empty())
        std::filesystem::remove_all(m_folder, error);
}

std::string CTempFolder::Write(const std::string& name, const std::string& text) const
{
    const std::string path = PathOf(name);
    std::ofstream(path, std::ios::binary) << text;
    return path;
}
