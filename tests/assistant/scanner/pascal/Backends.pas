unit Backends;

{ The clause of each platform, and none for the others. }

interface

function BackendName: string;
procedure Check(N: Integer);

implementation

{$IF DEFINED(X)}
uses
  SysUtils, StrUtils;
{$ELSEIF DEFINED(Y)}
uses Classes;
{$IFEND}

const
{$IF DEFINED(X)}
  Name = 'x';
{$ELSEIF DEFINED(Y)}
  Name = 'y';
{$ELSE}
  Name = 'plain';
{$IFEND}

function BackendName: string;
begin
  Result := Name;
end;

procedure Check(N: Integer);
begin
  if N > 1 then
    raise TObject.Create;
end;

end.
