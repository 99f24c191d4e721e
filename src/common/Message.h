#pragma once

#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "common/NumberedText.h"

enum class MessageIcon { None, Information, Warning, Stop, Question };
enum class MessageButtons { Ok, OkCancel, YesNo };
enum class Answer { Ok, Cancel, Yes, No };

using MessageArgument = std::variant<long long, std::string>;

// What one message box says, as a value: a numbered text with its arguments and a literal
// suffix, or (before the language file is open) a literal text of its own.
struct Message {
    int text = -1;
    std::vector<MessageArgument> arguments;
    std::string suffix;
    std::string literal;
    MessageIcon icon = MessageIcon::Information;
    MessageButtons buttons = MessageButtons::Ok;
    // Further texts shown in the same box after this one (for example text 86 followed by
    // text 87), each formatted with its own arguments.
    std::vector<Message> continuation;
    // What a refusal is about (the key of an editor field), or empty.
    std::string subject;

    static Message Numbered(NumberedText numbered, std::vector<MessageArgument> args = {},
                            MessageIcon icon = MessageIcon::Information) {
        Message m;
        m.text = numbered.number;
        m.arguments = std::move(args);
        m.icon = icon;
        return m;
    }
    static Message Literal(std::string text, MessageIcon icon = MessageIcon::Information) {
        Message m;
        m.literal = std::move(text);
        m.icon = icon;
        return m;
    }
    Message&& WithSuffix(std::string s) && {
        suffix = std::move(s);
        return std::move(*this);
    }
    Message&& FollowedBy(Message next) && {
        continuation.push_back(std::move(next));
        return std::move(*this);
    }
    Message&& WithButtons(MessageButtons b, MessageIcon i) && {
        buttons = b;
        icon = i;
        return std::move(*this);
    }
};
