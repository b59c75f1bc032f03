// The header pieces, written in-process: counts too wide for their four columns.
#include <gtest/gtest.h>

#include "CurrentFolder.h"
#include "Quorra_Vendask/HeaderFiles.h"
#include "ScratchFolder.h"
#include "TestText.h"

namespace vendask {
namespace {

using kit_test::crlfLines;

TEST(HeaderFiles, CountAbove9999ShowsAsAsterisksInAllThreePlaces)
{
    kit_test::ScratchFolder folder;
    {
        kit_test::CurrentFolder here(folder.path());
        writeHeaderFiles(false, 10000, "lil-12345678");
    }

    EXPECT_EQ(folder.read("HDR.MAX"),
              crlfLines({" ****   2   1   2", " ****",
                         "      'C_OBS'      'C_MOD'   DIST     u*     L  YR MO DY  HRE ",
                         " 'Block of all data'"}));
    EXPECT_EQ(folder.read("HDR.CWI").substr(0, 26), " ****   2   1   4\r\n ****\r\n");
    EXPECT_EQ(folder.read("HDRDAT.CWI"),
              crlfLines({" Lillestrom CWI scatter  -  lil-12345678", " cy\\sub{obs}", " cy\\sub{mod}",
                         "**** 1", "' '"}));
    EXPECT_EQ(folder.list(), (std::vector<std::string>{"HDR.CWI", "HDR.MAX", "HDRDAT.CWI", "HDRDAT.MAX"}));
}

} // namespace
} // namespace vendask
