"""Every picture the system ships: where it is kept, what draws it, and the
ground it is seen on (for the contact sheet)."""
from dataclasses import dataclass
from typing import Callable

from .designs import (banner, caption_skin, glow_button, help_icon, logo, message_box, pill_buttons,
                      plugin_icons, tab_pictures, toggle_glyphs)
from .palette import GREY_MIST, HOST_BLUE, TAB_STRIP


@dataclass(frozen=True)
class Picture:
    path: str                 # under assets/
    what: str
    draw: Callable            # -> (file bytes, [(width, height, pixels), ...])
    ground: tuple             # colour it is shown on


PICTURES = [
    Picture("img/logo.ico", "Img 1, program logo", logo.logo_ico, HOST_BLUE),
    Picture("img/banner.png", "Img 2, banner", banner.banner, HOST_BLUE),
    Picture("img/chat-button.png", "Img 3, chat-contact button", pill_buttons.chat_button, HOST_BLUE),
    Picture("img/help-icon.ico", "Img 4, action-button icon", help_icon.help_icon, HOST_BLUE),
    Picture("button/join-group.png", "Button.dll picture", pill_buttons.join_group_button, HOST_BLUE),
    Picture("nimbra/icon.ico", "Nimbra tab icon", plugin_icons.nimbra_icon, TAB_STRIP),
    Picture("magla/icon.ico", "Magla tab icon", plugin_icons.magla_icon, TAB_STRIP),
    Picture("stage/caption-skin.png-nosig", "caption-button skin", caption_skin.caption_skin, HOST_BLUE),
    Picture("stage/glow-button.png", "glow-button skin", glow_button.glow_button, GREY_MIST),
    Picture("stage/tab-strip.png", "tab strip background", tab_pictures.tab_strip, GREY_MIST),
    Picture("stage/tab-highlight.png", "tab highlight sprite", tab_pictures.tab_highlight, TAB_STRIP),
    Picture("stage/check-glyphs.png-nosig", "check-box glyphs", toggle_glyphs.check_glyphs, GREY_MIST),
    Picture("stage/radio-glyphs.png-nosig", "radio-button glyphs", toggle_glyphs.radio_glyphs, GREY_MIST),
    Picture("stage/message-states.png", "message-box state pictures", message_box.state_pictures,
            (246, 249, 253, 1.0)),
    Picture("stage/message-strip.png", "message-box background strip", message_box.background_strip,
            HOST_BLUE),
]
