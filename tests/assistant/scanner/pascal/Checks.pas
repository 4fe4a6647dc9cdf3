unit Checks;

{ Its clauses stand under a compiler switch: range checks on or off. }

interface

function Mode: string;
procedure Verify(N: Integer);

implementation

{$IFOPT R+}
uses
  SysUtils;
{$ELSE}
uses Classes;
{$ENDIF}

const
{$IFOPT R+}
  Name = 'checked';
{$ELSE}
  Name = 'unchecked';
{$ENDIF}

function Mode: string;
begin
  Result := Name;
end;

procedure Verify(N: Integer);
begin
  if N > 1 then
    raise TObject.Create;
end;

end.
