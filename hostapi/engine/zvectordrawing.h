#pragma once

#include "engine/zvdconstants.h"

#include <QRectF>
#include <QString>

#include <iosfwd>
#include <memory>
#include <unordered_map>
#include <vector>

class QDomElement;
class ZVDEntity;
class ZVDText;
class VDObserver;

/// A drawing made of entities with integer ids (VD ids). The drawing owns its entities.
/// The library loads and saves drawings through OrbVectorDrawingUtils (clear, loadFromStream,
/// saveToStream, saveToXMLNode) and finds the text entities that show parameters with find().
/// The members marked "host side" build and inspect drawings in the reference engine; the library
/// does not call them.
class ZVectorDrawing
{
public:
    /// An empty drawing.
    ZVectorDrawing();
    virtual ~ZVectorDrawing();
    ZVectorDrawing(const ZVectorDrawing&) = delete;
    ZVectorDrawing& operator=(const ZVectorDrawing&) = delete;

    /// The entity with that id, or null. The editor form looks up the text of every property
    /// (OrbDrawsetProp::vdID) with it.
    virtual ZVDEntity* find(int id);
    /// Removes every entity; loading an empty byte array does this.
    virtual void clear();
    /// Replaces the content from the stream; on anything it cannot read it answers false, leaves
    /// the drawing empty and lastError() reads "Invalid Stream Format". The library does not read
    /// the answer: an unreadable drawing shows as an empty one.
    virtual bool loadFromStream(std::iostream* stream);
    /// Writes the drawing into stream; the library always asks for vdsfStream with flag false.
    /// What it writes must read back unchanged through loadFromStream. False when it cannot write.
    virtual bool saveToStream(std::iostream* stream, EnVDSaveFormat format, bool flag);
    /// Writes each entity as an element with its id and attributes under node (the XML form of
    /// OrbVectorDrawingUtils::saveData); flag is passed on from the caller.
    virtual void saveToXMLNode(QDomElement& node, bool flag);

    /// Host side: takes ownership; an entity whose id is already used replaces the earlier one.
    void add(ZVDEntity* entity);
    /// Host side: the number of entities.
    int count() const { return int(m_entities.size()); }
    /// Host side: the entity at index (0 <= index < count()), in the order they were added.
    ZVDEntity* at(int index) const { return m_entities[size_t(index)].get(); }
    /// Host side: the extent of all entities in drawing units (empty for an empty drawing).
    QRectF boundingRect() const;
    /// Host side: why the last load failed; empty after a good one.
    QString lastError() const { return m_lastError; }
    /// Host side: spacing of the drawing's own grid in drawing units (0: none); kept in the stream.
    double gridSpacing() const { return m_gridSpacing; }
    /// Host side: sets the grid spacing (negative or not finite counts as 0).
    void setGridSpacing(double spacing);
    /// Host side: observers are told (event 0) about every change made through this class; not owned.
    void addObserver(VDObserver* observer);
    /// Host side: stops telling observer about changes.
    void removeObserver(VDObserver* observer);
    /// Host side: tells the observers that entities changed (after a caller edited them in place;
    /// ZVDText::setText calls it by itself).
    void notifyChanged(std::vector<ZVDEntity*> entities = {});

private:
    friend class ZVDText;
    // Tells the observers without dropping the kept extent.
    void tellObservers(std::vector<ZVDEntity*>& entities);
    // Makes a text tell this drawing when it changes.
    void hold(ZVDEntity* entity);
    // A held text changed from the extent before: the kept extent follows it, and the observers
    // are told.
    void textChanged(ZVDText* text, const QRectF& before);

    std::vector<std::unique_ptr<ZVDEntity>> m_entities;
    std::unordered_map<int, ZVDEntity*> m_index;
    QString m_lastError;
    double m_gridSpacing = 0;
    std::vector<VDObserver*> m_observers;
    // The extent of the entities as the smallest and largest left, top, right and bottom of their
    // boxes, kept from the load (or the first boundingRect) until a change is made or told. A text's
    // setText updates it, unless the text left an edge of it, which only a new pass can place.
    mutable double m_extent[4] = {0, 0, 0, 0};
    mutable bool m_extentAny = false;
    mutable bool m_extentKept = false;
    // The one-entity list a text's change is told with, while no other telling runs.
    std::vector<ZVDEntity*> m_changedText;
    bool m_telling = false;
};
