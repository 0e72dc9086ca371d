#include "display/DisplayDevice.h"

#include "display/ScreenLink.h"

#include <algorithm>

namespace trelon {

void ScreenLink::notifyPaletteChanged() const {
    // Copied: an observer may unregister while it is told.
    const std::vector<ScreenObserver*> current = observers;
    for (ScreenObserver* observer : current) {
        observer->paletteChanged();
    }
}

void ScreenLink::notifyPrimaryChanged(const QRect& box) const {
    const std::vector<ScreenObserver*> current = observers;
    for (ScreenObserver* observer : current) {
        observer->primaryChanged(box);
    }
}

DisplayDevice::DisplayDevice(QSize screenSize, const DisplayFailures& forced)
    : screenSize_(screenSize), link_(std::make_shared<ScreenLink>()) {
    link_->failures = forced;
}

DisplayDevice::~DisplayDevice() {
    // Surfaces and palettes may outlive the device; they must not call observers that only
    // registered with the device.
    link_->observers.clear();
}

DisplayResult DisplayDevice::create(QSize screenSize, const DisplayFailures& forced,
                                    std::shared_ptr<DisplayDevice>& out) {
    out.reset();
    if (forced.createDevice) {
        return DisplayResult::OutOfMemory;
    }
    if (screenSize.width() <= 0 || screenSize.height() <= 0) {
        return DisplayResult::InvalidParams;
    }
    out.reset(new DisplayDevice(screenSize, forced));
    return DisplayResult::Ok;
}

DisplayResult DisplayDevice::setCooperativeLevel() {
    if (link_->failures.cooperativeLevel) {
        return DisplayResult::Generic;
    }
    exclusive_ = true;
    return DisplayResult::Ok;
}

DisplayResult DisplayDevice::setDisplayMode(int width, int height, int bitsPerPixel) {
    if (link_->failures.displayMode) {
        return DisplayResult::InvalidMode;
    }
    if (!exclusive_) {
        return DisplayResult::NoExclusiveMode;
    }
    if (width <= 0 || height <= 0 || bitsPerPixel != 8) {
        return DisplayResult::InvalidMode;
    }
    screenSize_ = QSize(width, height);
    return DisplayResult::Ok;
}

DisplayResult DisplayDevice::createPalette(const PaletteTable& table,
                                           std::shared_ptr<Palette>& out) {
    out.reset();
    if (link_->failures.createPalette) {
        return DisplayResult::OutOfMemory;
    }
    out = std::make_shared<Palette>(table, link_);
    return DisplayResult::Ok;
}

DisplayResult DisplayDevice::createPrimarySurface(std::shared_ptr<Surface>& out) {
    out.reset();
    if (link_->failures.createPrimary) {
        return DisplayResult::OutOfMemory;
    }
    if (link_->primary != nullptr) {
        return DisplayResult::PrimaryExists;
    }
    out = std::make_shared<Surface>(screenSize_.width(), screenSize_.height(), true, link_);
    link_->notifyPrimaryChanged(out->rect());
    return DisplayResult::Ok;
}

DisplayResult DisplayDevice::createOffscreenSurface(int width, int height,
                                                    std::shared_ptr<Surface>& out) {
    out.reset();
    if (link_->failures.createOffscreen) {
        return DisplayResult::OutOfMemory;
    }
    if (width <= 0 || height <= 0) {
        return DisplayResult::InvalidParams;
    }
    // Guard against absurd sizes (a corrupt picture header) before allocating.
    constexpr long long kMaxPixels = 1LL << 28;
    if (static_cast<long long>(width) * height > kMaxPixels) {
        return DisplayResult::OutOfMemory;
    }
    out = std::make_shared<Surface>(width, height, false, link_);
    return DisplayResult::Ok;
}

void DisplayDevice::setForcedFailures(const DisplayFailures& forced) {
    link_->failures = forced;
}

const DisplayFailures& DisplayDevice::forcedFailures() const {
    return link_->failures;
}

void DisplayDevice::addScreenObserver(ScreenObserver* observer) {
    if (observer && std::find(link_->observers.begin(), link_->observers.end(), observer) ==
                        link_->observers.end()) {
        link_->observers.push_back(observer);
    }
}

void DisplayDevice::removeScreenObserver(ScreenObserver* observer) {
    auto& list = link_->observers;
    list.erase(std::remove(list.begin(), list.end(), observer), list.end());
}

const Palette& DisplayDevice::screenPalette() const {
    return link_->shownPalette ? *link_->shownPalette : link_->systemPalette;
}

} // namespace trelon
