// The published properties of controls.
#include "ui/control.h"
#include "ui/menus.h"

namespace telvana::ui {

namespace {
constexpr std::wstring_view kFontStyles[] = {L"fsBold", L"fsItalic", L"fsUnderline",
                                             L"fsStrikeOut"};

// Font.Name, Font.Height, ...: each changes one field of the control's own font.
template <class V>
PropInfo FontField(const char* name, PropKind kind, V TFont::*field) {
  return {name, kind,
          [field](const TComponent& c) {
            if constexpr (std::is_same_v<V, std::wstring>)
              return PropValue{As<TControl>(c).Font().*field};
            else
              return PropValue{std::int64_t(As<TControl>(c).Font().*field)};
          },
          [field](TComponent& c, const PropValue& v) {
            TFont font = As<TControl>(c).Font();
            if constexpr (std::is_same_v<V, std::wstring>)
              font.*field = v.Text();
            else
              font.*field = static_cast<V>(v.Int());
            As<TControl>(c).SetFont(font);
          }};
}
}  // namespace

const ClassInfo& TControl::StaticClass() {
  static const ClassInfo info{
      "TControl",
      &TComponent::StaticClass(),
      nullptr,
      {
          IntProp<TControl>(
              "Left", [](const TControl& c) { return c.Left(); },
              [](TControl& c, std::int64_t v) {
                c.SetBounds(int(v), c.Top(), c.Width(), c.Height());
              }),
          IntProp<TControl>(
              "Top", [](const TControl& c) { return c.Top(); },
              [](TControl& c, std::int64_t v) {
                c.SetBounds(c.Left(), int(v), c.Width(), c.Height());
              }),
          IntProp<TControl>(
              "Width", [](const TControl& c) { return c.Width(); },
              [](TControl& c, std::int64_t v) {
                c.SetBounds(c.Left(), c.Top(), int(v), c.Height());
              }),
          IntProp<TControl>(
              "Height", [](const TControl& c) { return c.Height(); },
              [](TControl& c, std::int64_t v) {
                c.SetBounds(c.Left(), c.Top(), c.Width(), int(v));
              }),
          EnumProp<TControl, TAlign>(
              "Align", kAlignNames, [](const TControl& c) { return c.Align(); },
              [](TControl& c, TAlign v) { c.SetAlign(v); }),
          BoolProp<TControl>(
              "Visible", [](const TControl& c) { return c.Visible(); },
              [](TControl& c, bool v) { c.SetVisible(v); }),
          ColorProp<TControl>(
              "Color", [](const TControl& c) { return c.Color(); },
              [](TControl& c, TColor v) { c.SetColor(v); }),
          FontField("Font.Name", PropKind::String, &TFont::Name),
          FontField("Font.Height", PropKind::Integer, &TFont::Height),
          FontField("Font.Charset", PropKind::Integer, &TFont::Charset),
          {"Font.Color", PropKind::Color,
           [](const TComponent& c) {
             return PropValue{std::int64_t(As<TControl>(c).Font().Color)};
           },
           [](TComponent& c, const PropValue& v) {
             TFont font = As<TControl>(c).Font();
             font.Color = static_cast<TColor>(v.Int());
             As<TControl>(c).SetFont(font);
           }},
          {"Font.Style", PropKind::Set,
           [](const TComponent& c) {
             const TFont& f = As<TControl>(c).Font();
             std::vector<std::wstring> set;
             const bool on[] = {f.Bold, f.Italic, f.Underline, f.StrikeOut};
             for (int i = 0; i < 4; ++i)
               if (on[i]) set.emplace_back(kFontStyles[i]);
             return PropValue{set};
           },
           [](TComponent& c, const PropValue& v) {
             TFont font = As<TControl>(c).Font();
             bool* fields[] = {&font.Bold, &font.Italic, &font.Underline, &font.StrikeOut};
             for (bool* f : fields) *f = false;
             for (const std::wstring& s : v.Strings()) {
               int i = 0;
               while (i < 4 && kFontStyles[i] != s) ++i;
               if (i == 4) throw PropertyError("unknown font style");
               *fields[i] = true;
             }
             As<TControl>(c).SetFont(font);
           }},
          BoolProp<TControl>(
              "ParentFont", [](const TControl& c) { return c.ParentFont(); },
              [](TControl& c, bool v) { c.SetParentFont(v); }),
          TextProp<TControl>(
              "Caption", [](const TControl& c) { return c.Caption(); },
              [](TControl& c, const std::wstring& v) { c.SetCaption(v); }),
          TextProp<TControl>(
              "Hint", [](const TControl& c) { return c.Hint(); },
              [](TControl& c, const std::wstring& v) { c.SetHint(v); }),
          BoolProp<TControl>(
              "ShowHint", [](const TControl& c) { return c.ShowHint(); },
              [](TControl& c, bool v) { c.SetShowHint(v); }),
          EnumProp<TControl, TCursor>(
              "Cursor", kCursorNames, [](const TControl& c) { return c.Cursor(); },
              [](TControl& c, TCursor v) { c.SetCursor(v); }),
          {"PopupMenu", PropKind::Component,
           [](const TComponent& c) {
             return PropValue{static_cast<TComponent*>(As<TControl>(c).PopupMenu())};
           },
           [](TComponent& c, const PropValue& v) {
             As<TControl>(c).SetPopupMenu(v.Component() ? &As<TPopupMenu>(*v.Component())
                                                        : nullptr);
           }},
          BoolProp<TControl>(
              "DoubleBuffered", [](const TControl& c) { return c.DoubleBuffered(); },
              [](TControl& c, bool v) { c.SetDoubleBuffered(v); }),
          EventProp<TControl>("OnClick", &TControl::OnClick),
          EventProp<TControl>("OnDblClick", &TControl::OnDblClick),
          EventProp<TControl>("OnResize", &TControl::OnResize),
      }};
  return info;
}

const ClassInfo& TWinControl::StaticClass() {
  static const ClassInfo info{
      "TWinControl",
      &TControl::StaticClass(),
      nullptr,
      {
          IntProp<TWinControl>(
              "TabOrder", [](const TWinControl& c) { return c.TabOrder(); },
              [](TWinControl& c, std::int64_t v) { c.SetTabOrder(int(v)); }),
          BoolProp<TWinControl>(
              "Enabled", [](const TWinControl& c) { return c.Enabled(); },
              [](TWinControl& c, bool v) { c.SetEnabled(v); }),
      }};
  return info;
}

}  // namespace telvana::ui
