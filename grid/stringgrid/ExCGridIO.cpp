// The column settings stream: one component image of the column items.
#include "grid/stringgrid/ExCGridIO.h"

#include "grid/stringgrid/ComponentImage.h"
#include "grid/stringgrid/GridColumnItemProperties.h"
#include "platform/ui/Component.h"
#include "platform/ui/Menus.h"

namespace {

constexpr const char* ClassName = "TExColumnGridIO";
// Far more columns than a grid holds: a stream claiming more is not read into memory.
constexpr int MaxItems = 4096;

TComponent* FindReference(const TComponent* Lookup, const std::string& Name) {
    return Lookup && !Name.empty() ? Lookup->FindComponent(Name) : nullptr;
}

} // namespace

void TExColumnGridIO::CopyItems(const TGridColumnCollection& Source,
                                TGridColumnCollection& Target) {
    Target.Assign(Source);
    for (int i = 0; i < Source.Count() && i < Target.Count(); ++i) {
        const TGridColumnItem* from = Source.GetItem(i);
        TGridColumnItem* to = Target.GetItem(i);
        to->ColumnPopupType = from->ColumnPopupType;
        to->PrintBorderCustom = from->PrintBorderCustom;
        to->PrintFontCustom = from->PrintFontCustom;
    }
}

void TExColumnGridIO::Write(std::string& Stream) const {
    TComponentImageWriter writer(Stream);
    writer.BeginImage(ClassName);
    writer.WriteName("Items");
    writer.WriteValueType(vaCollection);
    for (int i = 0; i < FItems.Count(); ++i) {
        writer.WriteValueType(vaList);
        for (const TItemProperty& property : ItemProperties())
            property.Write(writer, *FItems.GetItem(i));
        writer.WriteValueType(vaNull);
    }
    writer.WriteValueType(vaNull);
    writer.EndImage();
}

void TExColumnGridIO::Read(std::string_view Stream, size_t& Position, const TComponent* Lookup) {
    TComponentImageReader reader(Stream, Position);
    reader.ReadImageStart(ClassName);
    // Read into a fresh collection, so that a failed read leaves Items as they were.
    TGridColumnCollection read(nullptr);
    for (std::string name = reader.ReadName(); !name.empty(); name = reader.ReadName()) {
        if (name != "Items")
            TComponentImageReader::UnknownProperty(name);
        reader.ExpectValueType(vaCollection);
        read.Clear();
        for (TValueType type = reader.ReadValueType(); type != vaNull;
             type = reader.ReadValueType()) {
            if (type != vaList)
                TComponentImageReader::InvalidValue();
            if (read.Count() >= MaxItems)
                throw EReadError("Too many column items");
            TGridColumnItem* item = read.Insert(read.Count());
            TReferenceNames references;
            for (std::string property = reader.ReadName(); !property.empty();
                 property = reader.ReadName())
                FindItemProperty(property).Read(reader, *item, references);
            item->ColumnPopup =
                dynamic_cast<TPopupMenu*>(FindReference(Lookup, references.ColumnPopup));
            item->EditLink = FindReference(Lookup, references.EditLink);
        }
    }
    reader.ExpectValueType(vaNull); // the empty child list
    CopyItems(read, FItems);
    Position = reader.Position();
}
