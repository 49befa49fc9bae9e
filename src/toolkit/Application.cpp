#include "toolkit/Application.h"

#include <stdexcept>

namespace toolkit {
namespace {

ApplicationHost* installedHost = nullptr;
std::string title = "TSetup";

ApplicationHost& Host() {
    if (installedHost == nullptr) {
        throw std::logic_error("no application host installed");
    }
    return *installedHost;
}

} // namespace

ApplicationHost* InstallApplicationHost(ApplicationHost* host) {
    ApplicationHost* earlier = installedHost;
    installedHost = host;
    return earlier;
}

const std::string& ApplicationTitle() {
    return title;
}

void SetApplicationTitle(const std::string& newTitle) {
    title = newTitle;
    if (installedHost != nullptr) {
        installedHost->SetTitle(newTitle);
    }
}

void RunMainForm(TForm& form) {
    Host().RunMainForm(form);
}

ModalResult ShowModal(TForm& form) {
    return Host().ShowModal(form);
}

TBusyScope::TBusyScope() {
    if (installedHost != nullptr) {
        installedHost->SetBusy(true);
    }
}

TBusyScope::~TBusyScope() {
    if (installedHost != nullptr) {
        installedHost->SetBusy(false);
    }
}

} // namespace toolkit
