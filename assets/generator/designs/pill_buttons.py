"""Picture buttons for the host's caption area: a white outlined pill with a
glyph and a caption, all in white of varying strength, so the palette stays
small and the button reads on any darker window colour.
"""
from .. import encode, font, shapes
from ..canvas import Canvas, Mask, with_alpha
from ..palette import WHITE

CAPTION_PIXELS = 12


def pill(width, height, glyph, caption, length):
    c = Canvas(width, height)
    outline = shapes.round_rect(0.5, 0.5, width - 1, height - 1, (height - 1) / 2)
    c.fill(outline, with_alpha(WHITE, 0.16))
    c.fill(shapes.frame(0.5, 0.5, width - 1, height - 1, (height - 1) / 2, 1.0), with_alpha(WHITE, 0.85))
    text_width = font.bitmap_width(caption, CAPTION_PIXELS)
    left = (width - (16 + 5 + text_width)) // 2
    glyph(c, left, height)
    text, _ = font.bitmap_text(width, height, caption, CAPTION_PIXELS, left + 21, 16)
    c.fill(text, WHITE)
    pixels = c.pixels()
    return encode.png_palette(width, height, pixels, length), [(width, height, pixels)]


def _speech_bubble(c, left, height):
    top = (height - 14) // 2
    body = shapes.round_rect(left + 0.5, top + 0.5, 16, 11.5, 4)
    tail = shapes.polygon([(left + 4, top + 10), (left + 9, top + 11), (left + 3.5, top + 15)])
    bubble = c.mask(body).union(c.mask(tail))
    dots = Mask(c.width, c.height)
    for dx in (4.5, 8.5, 12.5):
        dots = dots.union(c.mask(shapes.circle(left + dx, top + 6.25, 1.25)))
    c.fill(bubble.minus(dots), WHITE)


def _two_people(c, left, height):
    top = (height - 14) // 2
    back = c.mask(shapes.circle(left + 11.5, top + 4, 3)).union(
        c.mask(shapes.round_rect(left + 6.5, top + 7.5, 10, 7, 3.5)))
    front_head = shapes.circle(left + 5.5, top + 5, 3.4)
    front_body = shapes.round_rect(left + 0.0, top + 9, 11, 6, 3.5)
    front = c.mask(front_head).union(c.mask(front_body))
    gap = c.mask(shapes.circle(left + 5.5, top + 5, 4.6)).union(
        c.mask(shapes.round_rect(left - 1.2, top + 7.8, 13.4, 8.4, 4.6)))
    c.fill(back.minus(gap), with_alpha(WHITE, 0.75))
    c.fill(front, WHITE)


def chat_button():
    """Img 3: contact us, 92 x 22."""
    return pill(92, 22, _speech_bubble, "联系我们", 3238)


def join_group_button():
    """The button plug-in's picture: join the chat group, 90 x 22."""
    return pill(90, 22, _two_people, "加入群聊", 1827)
