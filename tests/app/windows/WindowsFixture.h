#pragma once

#include "app/core/AppState.h"
#include "app/core/ULanguage.h"
#include "app/windows/UAbout.h"
#include "app/windows/UHARTVariables.h"
#include "app/windows/UHART_Scan.h"
#include "app/windows/UNew_Project.h"
#include "app/windows/UOpenConf.h"
#include "app/windows/UParGen.h"
#include "app/windows/UProfinetFileName.h"
#include "app/windows/USoftOptions.h"
#include "app/windows/UVelmaroFirmWare.h"
#include "platform/core/Files.h"
#include "platform/ui/Application.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

// The configurator's windows created as the program block creates them, with the program's
// folder in a fresh temporary folder of the test's own.
class WindowsFixture : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        Folder = std::filesystem::temp_directory_path() /
                 ("velmaro_windows_" + std::to_string(getpid()) + "_" + info->test_suite_name() +
                  "_" + info->name());
        std::filesystem::remove_all(Folder);
        std::filesystem::create_directories(Folder);
        AppState() = TAppState();
        TFVelmaroFirmWare::Program_Folder = Folder.string();
        Prepare();
    }

    void TearDown() override {
        Close_Windows();
        TFVelmaroFirmWare::Program_Folder.clear();
        AppState() = TAppState();
        Load_Default_Language();
        std::filesystem::remove_all(Folder);
    }

    // Files the windows should find at start-up; runs before the windows are created.
    virtual void Prepare() {}

    void Create_Windows() {
        Create(FVelmaroFirmWare);
        Create(FHART_Scan);
        Create(FNew_Project);
        Create(FOpenConf);
        Create(FAbout);
        Create(FSoftOptions);
        Create(FParGen);
        Create(FHARTVariables);
        Create(FProfinetFileName);
        FVelmaroFirmWare->HART_Scan_Window = {nullptr, [] { FHART_Scan->Set_Lang(); }};
        FVelmaroFirmWare->HART_Variables_Window = {[] { FHARTVariables->ShowModal(); },
                                                   [] { FHARTVariables->Set_Lang(); }};
    }

    // The windows, with the configuration `name` made and open.
    void Create_Windows_With_Configuration(const std::string& name) {
        std::filesystem::create_directories(Folder / "PROJECTS" / name / "bin");
        Create_Windows();
        Select_Project(name);
    }

    void Close_Windows() {
        Free(FProfinetFileName);
        Free(FHARTVariables);
        Free(FParGen);
        Free(FSoftOptions);
        Free(FAbout);
        Free(FOpenConf);
        Free(FNew_Project);
        Free(FHART_Scan);
        Free(FVelmaroFirmWare);
    }

    std::string Path(const std::string& relative) const { return (Folder / relative).string(); }

    static void Write_File(const std::string& path, const std::string& text) {
        std::filesystem::create_directories(std::filesystem::path(path).parent_path());
        std::ofstream(path, std::ios::binary) << text;
    }

    static std::string Read_File(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

    TTestSeam& Seam() { return Application->TestSeam(); }

    // The texts of the message boxes shown so far.
    std::vector<std::string> Shown_Messages() {
        std::vector<std::string> texts;
        for (const TShownMessage& m : Seam().Messages())
            texts.push_back(m.Text);
        return texts;
    }

    std::filesystem::path Folder;

private:
    template <typename T> static void Create(T*& form) {
        form = new T(nullptr);
        form->DoCreate();
    }
    template <typename T> static void Free(T*& form) {
        delete form;
        form = nullptr;
    }
};
