#pragma once
// An answering, recording stand-in for the standard dialogs: each call is logged with its
// owner and request, and answered from the queue of its kind (nothing queued: cancelled).
#include "dialogs/DialogBackend.h"

#include <deque>
#include <optional>
#include <vector>

class QWidget;

struct DialogCall {
    enum Kind { Open, Save, Color, Font, Folder, Print, PageSetup };
    Kind kind;
    QWidget* owner = nullptr;
    FileRequest file;          // Open, Save
    QColor initialColor;       // Color
    bool fullOpen = false;     // Color
    FontRequest font;          // Font
    QString folderTitle;       // Folder
};

class FakeDialogBackend : public DialogBackend {
public:
    std::vector<DialogCall> calls;
    std::deque<std::optional<QString>> openAnswers;
    std::deque<std::optional<QString>> saveAnswers;
    std::deque<std::optional<QColor>> colorAnswers;
    std::deque<std::optional<FontChoice>> fontAnswers;
    std::deque<std::optional<QString>> folderAnswers;
    std::deque<bool> printAnswers;
    std::deque<bool> pageSetupAnswers;

    std::optional<QString> getOpenFileName(QWidget* owner, const FileRequest& request) override
    {
        calls.push_back({DialogCall::Open, owner, request, {}, false, {}, {}});
        return next(openAnswers);
    }
    std::optional<QString> getSaveFileName(QWidget* owner, const FileRequest& request) override
    {
        calls.push_back({DialogCall::Save, owner, request, {}, false, {}, {}});
        return next(saveAnswers);
    }
    std::optional<QColor> getColor(QWidget* owner, const QColor& initial, bool fullOpen) override
    {
        calls.push_back({DialogCall::Color, owner, {}, initial, fullOpen, {}, {}});
        return next(colorAnswers);
    }
    std::optional<FontChoice> getFont(QWidget* owner, const FontRequest& request) override
    {
        calls.push_back({DialogCall::Font, owner, {}, {}, false, request, {}});
        return next(fontAnswers);
    }
    std::optional<QString> getExistingDirectory(QWidget* owner, const QString& title) override
    {
        calls.push_back({DialogCall::Folder, owner, {}, {}, false, {}, title});
        return next(folderAnswers);
    }
    bool print(QWidget* owner) override
    {
        calls.push_back({DialogCall::Print, owner, {}, {}, false, {}, {}});
        return nextBool(printAnswers);
    }
    bool pageSetup(QWidget* owner) override
    {
        calls.push_back({DialogCall::PageSetup, owner, {}, {}, false, {}, {}});
        return nextBool(pageSetupAnswers);
    }

private:
    template <typename T>
    static std::optional<T> next(std::deque<std::optional<T>>& queue)
    {
        std::optional<T> answer;
        if (!queue.empty()) {
            answer.swap(queue.front());
            queue.pop_front();
        }
        return answer;
    }
    static bool nextBool(std::deque<bool>& queue)
    {
        if (queue.empty())
            return false;
        const bool answer = queue.front();
        queue.pop_front();
        return answer;
    }
};
