#include "widgets/lumobutton/lumobuttonInterface.h"

#include "widgets/lumobutton/lumobuttonEvents.h"

namespace rewrix {

const std::vector<lumobuttonMember>& lumobuttonPublishedProperties() {
    // The texts are the control's own, spelling included.
    static const std::vector<lumobuttonMember> properties = {
        {"BackColor", "Returns/sets the background color used for the button.", "Appearance"},
        {"ButtonStyle", "Returns/sets a value to determine the style used to draw the button.",
         nullptr},
        {"Caption", "Returns/sets the text displayed in the button.", "Text"},
        {"CaptionAlign", "Returns/Sets the position of the Caption.", "Position"},
        {"DropDownSymbol", "Returns/Sets the Symbol to be used for displaying PopupMenu.", nullptr},
        {"DropDownSeparator", "Returns/Sets the value whether to display DropDown Separator.",
         nullptr},
        {"DisabledPictureMode",
         "Returns/Sets the effect to be used for picture when button is disabled.", nullptr},
        {"Enabled", "Returns/sets a value to determine whether the button can respond to events.",
         "Behavior"},
        {"Font", "Returns/sets the Font used to display text on the button.", "Font"},
        {"ForeColor", "Returns/sets the text color of the button caption.", nullptr},
        {"ForeColorHover",
         "Returns/sets the text color of the button caption when Mouse is over the control.",
         nullptr},
        {"HandPointer",
         "Returns/sets a value to determine whether the control uses the system's hand pointer as "
         "its cursor.",
         "Misc"},
        {"hwnd", "Returns a handle that uniquely identifies the control.", nullptr},
        {"MaskColor", "Returns/sets a color in a button's picture to be transparent.", nullptr},
        {"Mode", "Returns/sets the type of control the button will observe.", nullptr},
        {"MouseIcon", "Sets a custom mouse icon for the button.", nullptr},
        {"MousePointer",
         "Returns/sets the type of mouse pointer displayed when cursor over the button.", nullptr},
        {"PictureNormal", "Returns/sets the picture displayed on a normal state button.", nullptr},
        {"PictureHot", "Returns/sets the picture displayed when the cursor is over the control.",
         nullptr},
        {"PictureDown",
         "Returns/sets the picture displayed when the control is pressed down or in checked state.",
         nullptr},
        {"PictureAlign",
         "Returns/sets a value to determine where to draw the picture in the button.", nullptr},
        {"PictureShadow", "Returns/Sets a value to determine whether to display Picture Shadow",
         nullptr},
        {"PictureEffectOnOver",
         "Returns/Sets the Picture Effects to be applied when the mouseis over the control.",
         nullptr},
        {"PictureEffectOnDown",
         "Returns/Sets the Picture Effects to be applied when the Button is pressed down.",
         nullptr},
        {"PicturePushOnHover",
         "Returns/Sets a value to determine whether to Push picture when Mouse is over the "
         "control.",
         nullptr},
        {"PictureOpacity", "Returns/Sets a byte value to control the Opacity of the Picture.",
         nullptr},
        {"PictureOpacityOnOver",
         "Returns/Sets a byte value to control the Opacity of the Picture when Mouse is over the "
         "button.",
         nullptr},
        {"RightToLeft", "Returns/Sets a value to determine whether to display text in RTL mode.",
         nullptr},
        {"CaptionEffects", "Returns/Sets the Special Effects apply to the caption.", nullptr},
        {"ShowFocusRect", "Returns/Sets a value to show Focusrect when the button has focus",
         nullptr},
        {"UseMaskColor",
         "Returns/sets a value to determine whether to use MaskColor to create transparent areas "
         "of the picture.",
         nullptr},
        {"Value", "Returns/sets the value or state of the button.", nullptr},
        {"TooltipTitle", "Returns/Sets the text displayed in the title of the tooltip.", nullptr},
        {"ToolTip", "Returns/Sets the text displayed when mouse is paused over the control.",
         nullptr},
        {"TooltipBackColor", "Returns/Sets color to be displayed in the tooltip.", nullptr},
        {"ToolTipIcon", "Returns/Sets an icon value to be displayed in the tooltip.", nullptr},
        {"ToolTipType", "Returns/Sets the Style of the tooltip.", nullptr},
        {"ColorScheme", "Returns/Sets the ColorScheme to be used for the Background color.",
         nullptr},
    };
    return properties;
}

const std::vector<lumobuttonMember>& lumobuttonPublishedEvents() {
    using E = lumobuttonEvents;
    static const std::vector<lumobuttonMember> events = {
        {"Click", "Occurs when the user presses and then releases a mouse button over the button.",
         nullptr, E::Click_},
        {"DblClick", "Occurs when the user clicks over the button twice.", nullptr, E::DblClick_},
        {"MouseEnter", "Occrus when the cursor moves around the button for the first time.",
         nullptr, E::MouseEnter_},
        {"MouseLeave", "Occurs when the cursor leaves/moves outside the button.", nullptr,
         E::MouseLeave_},
        {"MouseMove", "Occurs when the cursor moves over the button.", nullptr, 0},
        {"MouseUp",
         "Occurs when the user releases the mouse button while the button has the focus.", nullptr,
         E::MouseUp_},
        {"MouseDown",
         "Occurs when the user presses the mouse button while the button has the focus.", nullptr,
         E::MouseDown_},
        {"KeyDown", "Occurs when the user presses a key while the button has the focus.", nullptr,
         E::KeyDown_},
        {"KeyUp", "Occurs when the user releases a key while the button has the focus.", nullptr,
         E::KeyUp_},
        {"KeyPress", "Occurs when the user presses and releases an ANSI key.", nullptr,
         E::KeyPress_},
    };
    return events;
}

const std::vector<lumobuttonMember>& lumobuttonPublishedMethods() {
    static const std::vector<lumobuttonMember> methods = {
        {"SetPopupMenu", "Sets a dropdown menu to the button.", nullptr},
        {"UnsetPopupMenu", "Unsets a popupmenu that was previously set for that button.", nullptr},
    };
    return methods;
}

} // namespace rewrix
