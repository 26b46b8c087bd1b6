#pragma once
// A document: its data, its file (path and title) and whether it holds unsaved changes. New, Open
// and Save go through here; the document class itself only serializes.

#include <windows.h>

#include <string>

class CArchive;
class CSingleDocTemplate;

class CDocument {
public:
    CDocument() = default;
    virtual ~CDocument() = default;
    CDocument(const CDocument&) = delete;
    CDocument& operator=(const CDocument&) = delete;

    // Writes the document to, or reads it from, the archive.
    virtual void Serialize(CArchive& ar) = 0;
    virtual BOOL IsModified() { return m_bModified; }
    virtual void SetModifiedFlag(BOOL bModified = TRUE) { m_bModified = bModified; }
    // Makes the document new and empty; clears the modified flag.
    virtual BOOL OnNewDocument();

    // Reads the file through Serialize. On failure the framework has told the user, naming the
    // file, and the result is FALSE.
    BOOL OnOpenDocument(const std::string& path);
    // Writes the file through Serialize without ever destroying the previous file: the data goes to
    // a new file in the same folder, which then replaces the old one. On failure the user has been
    // told, the old file is as it was and the result is FALSE.
    BOOL OnSaveDocument(const std::string& path);

    // Asks whether to save the changes when there are any: Yes saves (FALSE when that fails), No
    // goes on, Cancel returns FALSE so that the caller stops.
    BOOL SaveModified();

    virtual void OnFileSave();
    virtual void OnFileSaveAs();

    // A command of the document's command table (Save, Save As); true when handled.
    bool OnCommand(WORD id);

    const std::string& GetTitle() const { return m_strTitle; }
    void SetTitle(const std::string& title);
    const std::string& GetPathName() const { return m_strPathName; }
    // The file the document belongs to; the title becomes the file's name.
    void SetPathName(const std::string& path);

    void SetDocTemplate(CSingleDocTemplate* docTemplate) { m_pDocTemplate = docTemplate; }

protected:
    // Save (replace = true) or Save As (false, or an untitled document): asks for a name when
    // needed, then writes. FALSE when cancelled or failed.
    BOOL DoSave(bool replace);

private:
    BOOL m_bModified = FALSE;
    std::string m_strTitle;
    std::string m_strPathName;
    CSingleDocTemplate* m_pDocTemplate = nullptr;
};
